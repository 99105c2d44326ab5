#include "takeoff/AreaShapes.h"
#include "data/ScriptedPrompter.h"
#include "takeoff/TakeoffTexts.h"

#include <gtest/gtest.h>

using namespace qx;

namespace {

AreaInput input(std::optional<int> shape, const char* width1, const char* width2, const char* height) {
    return {shape, QString::fromUtf8(width1), QString::fromUtf8(width2), QString::fromUtf8(height)};
}

std::optional<AreaMeasures> area(std::optional<int> shape, const char* width1, const char* width2,
                                 const char* height) {
    return checkAreaInput(input(shape, width1, width2, height)).area;
}

} // namespace

TEST(AreaShapesTest, FormulasOfTheThreeShapes) {
    EXPECT_EQ(area(kShapeRect, "12", "", "10"), (AreaMeasures{kShapeRect, 12, 0, 10, 120}));
    EXPECT_EQ(area(kShapeTri, "5", "", "3"), (AreaMeasures{kShapeTri, 5, 0, 3, 8})); // 7.5
    EXPECT_EQ(area(kShapeTri, "3", "", "3"), (AreaMeasures{kShapeTri, 3, 0, 3, 4})); // 4.5
    EXPECT_EQ(area(kShapeTrap, "10", "20", "5"), (AreaMeasures{kShapeTrap, 10, 20, 5, 75}));
    // Measures become whole numbers first: 2.5 -> 2, 3.5 -> 4.
    EXPECT_EQ(area(kShapeRect, "2.5", "", "3.5"), (AreaMeasures{kShapeRect, 2, 0, 4, 8}));
    // Only a trapezoid reads the bottom box.
    EXPECT_EQ(area(kShapeRect, "12", "junk", "10")->width2, 0);
}

TEST(AreaShapesTest, AreasBeyondWholeNumbersAreRefused) {
    EXPECT_FALSE(shapeArea(kShapeRect, 50000, 0, 50000)); // 2.5e9 as a 64-bit product
    EXPECT_EQ(shapeArea(kShapeRect, -46341, 0, 46340), -2147441940);
    EXPECT_EQ(shapeArea(kShapeTri, 50000, 0, 50000), 1250000000);
    EXPECT_FALSE(shapeArea(kShapeTrap, 2147483647, 2147483647, 2));
    const AreaCheck check = checkAreaInput(input(kShapeRect, "50000", "", "50000"));
    EXPECT_EQ(check.message, kMsgAreaTooLarge);
    EXPECT_EQ(check.focus, AreaField::Width1);
}

TEST(AreaShapesTest, RefusesInputInTheOrderItIsShown) {
    const struct {
        AreaInput in;
        QString message;
        AreaField focus;
    } cases[] = {
        {input(std::nullopt, "12", "", "10"), kMsgSelectShape, AreaField::Shape},
        {input(7, "12", "", "10"), kMsgSelectShape, AreaField::Shape},
        {input(kShapeRect, "12a", "", ""), kMsgNotANumber, AreaField::Width1},
        {input(kShapeRect, " ", "", "10"), kMsgEnterWidth, AreaField::Width1},
        {input(kShapeTrap, "", "", ""), kMsgEnterTop, AreaField::Width1},
        {input(kShapeTrap, "10", "", "5"), kMsgEnterBottom, AreaField::Width2},
        {input(kShapeTri, "5", "", ""), kMsgEnterHeight, AreaField::Height},
        {input(kShapeTri, "5", "", "3000000000"), measureRangeMessage(), AreaField::Height},
        {input(kShapeRect, "-5", "", "10"), measureRangeMessage(), AreaField::Width1},
        {input(kShapeTrap, "10", "-0.6", "5"), measureRangeMessage(), AreaField::Width2},
        {input(kShapeRect, "12", "", std::string(400, '9').c_str()), measureRangeMessage(),
         AreaField::Height},
        {input(kShapeRect, "\u200b", "", "10"), kMsgEnterWidth, AreaField::Width1},
    };
    for (const auto& c : cases) {
        const AreaCheck check = checkAreaInput(c.in);
        EXPECT_FALSE(check.ok()) << c.message.toStdString();
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.focus, c.focus) << c.message.toStdString();
    }
}

TEST(AreaShapesTest, AnAreaTheRoofTotalsCannotTakeIsRefused) {
    // Room for 119 more: a 12 by 10 rectangle (120) is refused, 119 by 1 fits.
    const AreaCheck refused = checkAreaInput(input(kShapeRect, "12", "", "10"), 119);
    EXPECT_EQ(refused.message, kMsgAreaTooLarge);
    EXPECT_EQ(refused.focus, AreaField::Width1);
    EXPECT_TRUE(checkAreaInput(input(kShapeRect, "119", "", "1"), 119).ok());
}

TEST(AreaShapesTest, OkayShowsTheRefusalOnly) {
    ScriptedPrompter prompter;
    EXPECT_TRUE(okayArea(prompter, input(kShapeRect, "12", "", "10")).ok());
    EXPECT_EQ(prompter.messageCount(), 0);
    EXPECT_FALSE(okayArea(prompter, input(kShapeRect, "12a", "", "10")).ok());
    EXPECT_EQ(prompter.log(),
              QStringList{QStringLiteral("message: Quorvex | This field must be a number. -> ok")});
}
