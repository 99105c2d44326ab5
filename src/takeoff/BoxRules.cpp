#include "takeoff/BoxRules.h"

#include "data/WholeNumber.h"
#include "takeoff/TakeoffTexts.h"

namespace qx {

std::optional<QString> leaveNumberBox(Prompter& prompter, const QString& text) {
    if (parseNumber(text))
        return std::nullopt;
    prompter.inform(kAppTitle, kMsgNotANumber);
    return QStringLiteral("0");
}

std::optional<QString> leaveTextBox(Prompter& prompter, const QString& text, int maxChars) {
    if (charCount(text) <= maxChars)
        return std::nullopt;
    prompter.inform(kAppTitle, tooLongText(maxChars));
    return QString();
}

int charCount(const QString& text) {
    return int(text.toUcs4().size());
}

Measure readMeasure(const QString& text, const QString& emptyMessage) {
    Measure measure;
    if (text.trimmed().isEmpty()) {
        measure.problem = emptyMessage;
        return measure;
    }
    const auto value = parseNumber(text);
    if (!value) {
        measure.problem = kMsgNotANumber;
        return measure;
    }
    const auto whole = toWhole(*value);
    if (!whole) {
        measure.problem = kMsgOutOfRange;
        return measure;
    }
    measure.value = *value;
    measure.whole = *whole;
    return measure;
}

} // namespace qx
