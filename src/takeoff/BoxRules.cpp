#include "takeoff/BoxRules.h"

#include "data/WholeNumber.h"
#include "takeoff/TakeoffTexts.h"

namespace qx {

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
