#pragma once

#include "data/InputRules.h"
#include "data/Prompter.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace qx {

// The flat shapes of the "Individual Areas" view. The code is what TempAreas.Shape and the shape
// list's item data hold. A "Plan" row is a facet of the roof plan: Pitch its pitch, Width1 its plan
// area, Total its roof area (Width2 and Height 0); only applying the plan makes, changes or replaces it.
// Rows of the shapes proper carry pitch 0.
enum ShapeCode : std::int32_t { kShapeRect = 0, kShapeTri = 1, kShapeTrap = 2, kShapePlan = 3 };

struct ShapeEntry {
    QString name; // "Sq/Rect", "Tri", "Trap"
    std::int32_t code;
};

// The shape list of the Areas dialog, in order ("Plan" is not in it).
const QList<ShapeEntry>& shapeEntries();

// Only a trapezoid has a second width (its bottom); the dialog shows that box and the "Top:"/"Bottom:"
// label for it alone. Width and height are shown for every shape.
inline bool hasBottom(std::int32_t shape) {
    return shape == kShapeTrap;
}

// One area as the Areas dialog hands it back (lShape, lWidth1, lWidth2, lHeight, LTotal).
struct AreaMeasures {
    std::int32_t shape = kShapeRect;
    std::int32_t width1 = 0; // rectangle width, triangle base, trapezoid top
    std::int32_t width2 = 0; // trapezoid bottom; 0 for the other shapes
    std::int32_t height = 0;
    std::int32_t total = 0;
    std::int32_t pitch = 0; // a traced facet's; 0 for the shapes the dialog makes

    bool operator==(const AreaMeasures&) const = default;
};

// The area of a shape from whole-number measures: a rectangle's exact product, a triangle's
// base x 0.5 x height, a trapezoid's (top + bottom) x 0.5 x height, rounded half to even. Nothing when
// the area lies outside the whole-number range.
std::optional<std::int32_t> shapeArea(std::int32_t shape, std::int32_t width1, std::int32_t width2,
                                      std::int32_t height);

// The inputs of the Areas dialog: the chosen shape (none when nothing is selected) and the box texts.
struct AreaInput {
    std::optional<std::int32_t> shape;
    QString width1; // txtAreas(1): "Width" / "Top:"
    QString width2; // txtAreas(2): "Bottom:", read for a trapezoid only
    QString height; // txtAreas(3): "Height:"
};

// Which input of the Areas dialog gets the focus after a refusal.
enum class AreaField { Shape, Width1, Width2, Height };

// The outcome of "Okay": the area, or the message that refuses the input, the input to focus and the
// text that input is given (kNumberReset for a measure that is refused, not blank; nothing: it stays as
// typed).
struct AreaCheck {
    std::optional<AreaMeasures> area;
    QString message;
    AreaField focus = AreaField::Shape;
    std::optional<QString> resetText;

    bool ok() const { return area.has_value(); }
};

// Checks the dialog's input in the order the user sees it (shape, width or top, bottom, height; each a
// measure, see readMeasure) and figures the area. Each measure becomes a whole number (half to even)
// before the area is figured. An area above `room` (what the roof totals can still take) is refused
// with "This area is too large to be stored. Please check the measurements.".
AreaCheck checkAreaInput(const AreaInput& input, std::int64_t room = kMaxMeasure);

// "Okay" of the Areas dialog: checkAreaInput, showing the message of a refusal. On a refusal the
// dialog stays open and puts the focus on `focus`; otherwise it closes and hands back `area`.
AreaCheck okayArea(Prompter& prompter, const AreaInput& input, std::int64_t room = kMaxMeasure);

} // namespace qx
