#include "takeoff/LinealTypes.h"

#include "data/InputRules.h"
#include "data/WholeNumber.h"
#include "takeoff/TakeoffTexts.h"

namespace qx {

const QList<LinealTypeEntry>& linealTypes() {
    static const QList<LinealTypeEntry> types = {
        {QStringLiteral("Cap"), kLinealCap},
        {QStringLiteral("Starter"), kLinealStarter},
        {QStringLiteral("%"), kLinealPercent},
        {QStringLiteral("Misc"), kLinealMisc},
    };
    return types;
}

double linealAmount(std::int32_t type, double length, double area) {
    switch (type) {
    case kLinealCap:
        return length * 1.038;
    case kLinealStarter:
        return length * 0.417;
    case kLinealPercent:
        return area * length * 0.01;
    case kLinealMisc:
        return length;
    default:
        return 0.0;
    }
}

std::optional<std::int32_t> GetTotal(std::int32_t type, double length, double area) {
    return toWhole(linealAmount(type, length, area));
}

namespace {

LinealCheck refuse(const QString& message, LinealField focus, std::optional<QString> resetText = {}) {
    return {std::nullopt, message, focus, std::move(resetText)};
}

bool knownType(std::int32_t type) {
    for (const LinealTypeEntry& entry : linealTypes()) {
        if (entry.code == type)
            return true;
    }
    return false;
}

// The checks of "Okay" before the total: a refusal, or a check without item and message and the
// length read into `length`.
LinealCheck checkFields(const LinealInput& input, Measure& length) {
    if (isBlank(input.name))
        return refuse(kMsgNameItem, LinealField::Name);
    if (const auto tooLong = checkLength(input.name, kLinealNameMax))
        return refuse(*tooLong, LinealField::Name, QString());
    if (!input.type || !knownType(*input.type))
        return refuse(kMsgSelectType, LinealField::Type);
    length = readMeasure(input.length, kMsgEnterLength);
    if (!length.ok())
        return refuse(length.problem, LinealField::Length, resetTextOf(input.length, length));
    // A length that is stored as 0 makes no item.
    if (length.whole == 0)
        return refuse(kMsgEnterLength, LinealField::Length);
    return {};
}

} // namespace

LinealCheck checkLinealInput(const LinealInput& input, double area, std::int64_t room) {
    Measure length;
    LinealCheck check = checkFields(input, length);
    if (!check.message.isEmpty())
        return check;
    // The total counts the length with its fraction; only the stored length is a whole number.
    const auto total = GetTotal(*input.type, length.value, area);
    if (!total || *total > room)
        return refuse(kMsgItemTooLarge, LinealField::Length);
    check.item = LinealItem{*input.type, input.name, length.whole, *total};
    return check;
}

LinealCheck okayLinealItem(Prompter& prompter, const LinealInput& input, double area, std::int64_t room) {
    LinealCheck check = checkLinealInput(input, area, room);
    if (!check.ok())
        prompter.inform(kAppTitle, check.message);
    return check;
}

} // namespace qx
