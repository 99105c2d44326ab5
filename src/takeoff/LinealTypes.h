#pragma once

#include "data/DataAccess.h"

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

// GetTotal of the Lineal Items dialog: linealAmount as a whole number (half to even). A total outside
// the whole-number range is reported as an overflow in procedure GetTotal of Form frmLineal and yields
// nothing.
std::optional<std::int32_t> GetTotal(DataAccess& data, std::int32_t type, double length, double area);

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

    bool ok() const { return item.has_value(); }
};

// "Okay" of the Lineal Items dialog. Checks, in order: a name ("Please name this item.") of at most 50
// characters, a type ("Please select a type."), a length ("Please enter a length.") that is a number
// in the whole-number range; then figures the total with GetTotal against the roof's Area total
// `area`. A refusal has been shown when this returns: the dialog stays open and focuses `focus`.
// Otherwise the dialog closes and hands back `item`.
LinealCheck okayLinealItem(DataAccess& data, const LinealInput& input, double area);

} // namespace qx
