#pragma once

#include <QStringList>
#include <optional>

namespace qx {

// What one purchase unit of a cost item covers on the roof, as costitem.covers stores it and the cost
// item editor offers it, in this order: "Nothing", "Roof total", "Roof area" (square feet), "Cap length",
// "Starter length", "Eave and rake", "Valley" (feet).
enum class Covers { Nothing, RoofTotal, RoofArea, CapLength, StarterLength, EaveAndRake, Valley };

const QStringList& coversEntries();
QString coversName(Covers covers);
// The entry a stored text names (letter case aside); nothing for any other text.
std::optional<Covers> coversNamed(const QString& text);

} // namespace qx
