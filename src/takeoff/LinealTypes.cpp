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

std::optional<std::int32_t> GetTotal(DataAccess& data, std::int32_t type, double length, double area) {
    std::optional<std::int32_t> total;
    data.Trap({QStringLiteral("GetTotal"), TrapSite::Form, QStringLiteral("frmLineal")}, [&] {
        total = toWhole(linealAmount(type, length, area));
        if (!total)
            throw Failure(kErrOverflow, QStringLiteral("Overflow"));
    });
    return total;
}

namespace {

LinealCheck refuse(const QString& message, LinealField focus) {
    return {std::nullopt, message, focus};
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
    if (input.name.isEmpty())
        return refuse(kMsgNameItem, LinealField::Name);
    if (charCount(input.name) > kLinealNameMax)
        return refuse(tooLongMessage(kLinealNameMax), LinealField::Name);
    if (!input.type || !knownType(*input.type))
        return refuse(kMsgSelectType, LinealField::Type);
    length = readMeasure(input.length, kMsgEnterLength);
    if (!length.ok())
        return refuse(length.problem, LinealField::Length);
    return {};
}

} // namespace

LinealCheck okayLinealItem(DataAccess& data, const LinealInput& input, double area) {
    Measure length;
    LinealCheck check = checkFields(input, length);
    if (!check.message.isEmpty()) {
        data.prompter().inform(kAppTitle, check.message);
        return check;
    }
    // The total counts the length with its fraction; only the stored length is a whole number.
    const auto total = GetTotal(data, *input.type, length.value, area);
    if (!total)
        return refuse(QString(), LinealField::Length);
    check.item = LinealItem{*input.type, input.name, length.whole, *total};
    return check;
}

} // namespace qx
