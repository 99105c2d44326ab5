#pragma once

#include "data/InputRules.h"
#include "data/Prompter.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace qx {

// The kinds of lineal item. The code is what TempLineal.Type and the type list's item data hold.
enum LinealTypeCode : std::int32_t {
    kLinealCap = 1,
    kLinealStarter = 2,
    kLinealPercent = 3,
    kLinealMisc = 4
};

struct LinealTypeEntry {
    QString name; // "Cap", "Starter", "%", "Misc"
    std::int32_t code;
};

// The type list of the Lineal Items dialog, in order.
const QList<LinealTypeEntry>& linealTypes();

// The longest item name TempLineal and Lineal hold.
inline constexpr int kLinealNameMax = 50;

// One lineal item as the Lineal Items dialog hands it back (lType, sName, lLength, lLinTotal).
struct LinealItem {
    std::int32_t type = 0;
    QString name;
    std::int32_t length = 0;
    std::int32_t total = 0;

    bool operator==(const LinealItem&) const = default;
};

// The unrounded total of an item: Cap length x 1.038, Starter length x 0.417, "%" area x length x 0.01
// (area: the roof's Area total at that moment), Misc the length itself; 0 for an unknown type.
double linealAmount(std::int32_t type, double length, double area);

// GetTotal of the Lineal Items dialog: linealAmount as a whole number (half to even); nothing when it
// lies outside the whole-number range.
std::optional<std::int32_t> GetTotal(std::int32_t type, double length, double area);

// The inputs of the Lineal Items dialog: name text, the chosen type (none when nothing is selected)
// and the length text.
struct LinealInput {
    QString name;
    std::optional<std::int32_t> type;
    QString length;
};

// Which input of the Lineal Items dialog gets the focus after a refusal.
enum class LinealField { Name, Type, Length };

// The outcome of "Okay": the item, or the refusal's message and the input to focus.
struct LinealCheck {
    std::optional<LinealItem> item;
    QString message;
    LinealField focus = LinealField::Name;
    // The text the refused input is given, as leaving the box would give it: "" for a name that is too
    // long, kNumberReset for a length that is refused, not blank; nothing: it stays as typed.
    std::optional<QString> resetText;

    bool ok() const { return item.has_value(); }
};

// The checks of "Okay" of the Lineal Items dialog, in order: a name that is not blank ("Please name
// this item.") of at most 50 characters, a type ("Please select a type."), a length ("Please enter a
// length.") that is a measure (see readMeasure) and not 0 once rounded; then the total by GetTotal
// against the roof's Area total `area`. A total above `room` (what the roof totals can still take) is
// refused with "This item is too large to be stored. Please check the length.".
LinealCheck checkLinealInput(const LinealInput& input, double area, std::int64_t room = kMaxMeasure);

// "Okay" of the Lineal Items dialog: checkLinealInput, showing the message of a refusal. On a refusal
// the dialog stays open and focuses `focus`; otherwise it closes and hands back `item`.
LinealCheck okayLinealItem(Prompter& prompter, const LinealInput& input, double area,
                           std::int64_t room = kMaxMeasure);

} // namespace qx
