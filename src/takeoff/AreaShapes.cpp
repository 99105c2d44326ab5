#include "takeoff/AreaShapes.h"

#include "data/InputRules.h"
#include "data/WholeNumber.h"
#include "takeoff/TakeoffTexts.h"

namespace qx {

const QList<ShapeEntry>& shapeEntries() {
    static const QList<ShapeEntry> entries = {
        {QStringLiteral("Sq/Rect"), kShapeRect},
        {QStringLiteral("Tri"), kShapeTri},
        {QStringLiteral("Trap"), kShapeTrap},
    };
    return entries;
}

std::optional<std::int32_t> shapeArea(std::int32_t shape, std::int32_t width1, std::int32_t width2,
                                      std::int32_t height) {
    switch (shape) {
    case kShapeRect: {
        // Exact in 64 bits; refused rather than wrapped when it does not fit.
        const std::int64_t product = std::int64_t(width1) * height;
        if (product < INT32_MIN || product > INT32_MAX)
            return std::nullopt;
        return std::int32_t(product);
    }
    case kShapeTri:
        return toWhole(double(width1) * 0.5 * double(height));
    case kShapeTrap:
        return toWhole((double(width2) + double(width1)) * 0.5 * double(height));
    default:
        return std::nullopt;
    }
}

namespace {

bool knownShape(std::int32_t shape) {
    for (const ShapeEntry& entry : shapeEntries()) {
        if (entry.code == shape)
            return true;
    }
    return false;
}

AreaCheck refuse(const QString& message, AreaField focus) {
    return {std::nullopt, message, focus, std::nullopt};
}

AreaCheck refuse(const QString& text, const Measure& measure, AreaField focus) {
    return {std::nullopt, measure.problem, focus, resetTextOf(text, measure)};
}

} // namespace

AreaCheck checkAreaInput(const AreaInput& input, std::int64_t room) {
    if (!input.shape || !knownShape(*input.shape))
        return refuse(kMsgSelectShape, AreaField::Shape);
    const std::int32_t shape = *input.shape;
    const bool trap = hasBottom(shape);

    const Measure width1 = readMeasure(input.width1, trap ? kMsgEnterTop : kMsgEnterWidth);
    if (!width1.ok())
        return refuse(input.width1, width1, AreaField::Width1);
    Measure width2;
    if (trap) {
        width2 = readMeasure(input.width2, kMsgEnterBottom);
        if (!width2.ok())
            return refuse(input.width2, width2, AreaField::Width2);
    }
    const Measure height = readMeasure(input.height, kMsgEnterHeight);
    if (!height.ok())
        return refuse(input.height, height, AreaField::Height);

    const auto total = shapeArea(shape, width1.whole, width2.whole, height.whole);
    if (!total || *total > room)
        return refuse(kMsgAreaTooLarge, AreaField::Width1);
    return {AreaMeasures{shape, width1.whole, width2.whole, height.whole, *total}, {}, AreaField::Shape, {}};
}

AreaCheck okayArea(Prompter& prompter, const AreaInput& input, std::int64_t room) {
    AreaCheck check = checkAreaInput(input, room);
    if (!check.ok())
        prompter.inform(kAppTitle, check.message);
    return check;
}

} // namespace qx
