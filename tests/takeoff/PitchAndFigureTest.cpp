#include "TakeoffFixture.h"
#include "takeoff/PitchFactors.h"
#include "takeoff/TakeoffTexts.h"

#include <cmath>

using namespace qx;

namespace qxtest {

TEST(PitchFactorsTest, TableHoldsTheSlopeFactorToFiveDecimals) {
    for (int pitch = 1; pitch <= 18; ++pitch) {
        const double exact = std::sqrt(144.0 + pitch * pitch) / 12.0;
        EXPECT_EQ(PitchValue(pitch), float(std::round(exact * 1e5) / 1e5)) << pitch;
    }
    for (int outside : {0, -1, 19, 144})
        EXPECT_EQ(PitchValue(outside), 0.0f) << outside;
}

TEST(PitchFactorsTest, ListStartsEmptyThenOneToEighteen) {
    const QStringList entries = pitchEntries();
    ASSERT_EQ(entries.size(), 19);
    EXPECT_EQ(entries.first(), QString());
    EXPECT_EQ(entries.at(6), QStringLiteral("6"));
    EXPECT_EQ(entries.last(), QStringLiteral("18"));
    EXPECT_FALSE(pitchNumber(QString()));
}

using FigureTest = TakeoffTest;

TEST_F(FigureTest, FiguresStoresAndShowsTheArea) {
    const FigureShow shown = panel->Figure(QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("40"));
    EXPECT_TRUE(shown.show.changed);
    EXPECT_TRUE(state.bChanged);
    EXPECT_EQ(shown.show.boxes.areaText(), QStringLiteral("1342")); // 1341.636
    EXPECT_EQ(shown.show.boxes.totalText(), QStringLiteral("1342"));
    EXPECT_EQ(
        rows(temp(), QStringLiteral("select AreaID,Shape,Pitch,Width1,Width2,Height,Total from TempAreas")),
        QStringList{QStringLiteral("0 | 0 | 6 | 30 | 0 | 40 | 1342")});
}

TEST_F(FigureTest, ExactHalvesGoToEvenAndRefiguringUpdatesTheLastRow) {
    EXPECT_EQ(panel->Figure(QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("1")).show.boxes.area,
              2);
    EXPECT_EQ(panel->Figure(QStringLiteral("9"), QStringLiteral("6"), QStringLiteral("1")).show.boxes.area,
              8);
    EXPECT_EQ(rows(temp(), QStringLiteral("select Pitch,Width1,Height,Total from TempAreas")),
              QStringList{QStringLiteral("9 | 6 | 1 | 8")});

    // With rows left from the other view, only the one with the highest ID is overwritten.
    panel->addArea(rect(3, 3));
    panel->Figure(QStringLiteral("12"), QStringLiteral("10"), QStringLiteral("10"));
    EXPECT_EQ(rows(temp(), QStringLiteral("select ID,Pitch,Total from TempAreas order by ID")),
              (QStringList{QStringLiteral("1 | 9 | 8"), QStringLiteral("2 | 12 | 141")}));
}

TEST_F(FigureTest, TheRowKeepsTheWholeMeasuresItsAreaIsFiguredFrom) {
    const struct {
        const char *pitch, *width, *height, *row, *boxWidth;
    } cases[] = {
        {"6", "30.5", "40", "6 | 30 | 40 | 1342", "30"}, // 30.5 rounds to even: 30 x 40 x 1.11803
        {"6", "31.5", "40", "6 | 32 | 40 | 1431", "32"},
        {"12", "0.4", "1", "12 | 0 | 1 | 0", "0"},
    };
    for (const auto& c : cases) {
        const FigureShow shown = panel->Figure(QString::fromLatin1(c.pitch), QString::fromLatin1(c.width),
                                               QString::fromLatin1(c.height));
        EXPECT_EQ(rows(temp(), QStringLiteral("select Pitch,Width1,Height,Total from TempAreas")),
                  QStringList{QString::fromLatin1(c.row)});
        // The boxes show what was stored.
        ASSERT_TRUE(shown.measures) << c.width;
        EXPECT_EQ(shown.measures->first, QString::fromLatin1(c.boxWidth));
    }
}

TEST_F(FigureTest, RefusesNegativeMeasuresAndAnAreaTheTotalsCannotTake) {
    const struct {
        const char *width, *height, *message;
    } cases[] = {
        {"-5", "40", "This field must be a number between 0 and 2147483647."},
        {"30", "-0.6", "This field must be a number between 0 and 2147483647."},
        {"2000000000", "2", "This area is too large to be stored. Please check the measurements."},
    };
    for (const auto& c : cases) {
        const FigureShow shown =
            panel->Figure(QStringLiteral("6"), QString::fromLatin1(c.width), QString::fromLatin1(c.height));
        EXPECT_EQ(prompter.lastText(), QString::fromLatin1(c.message));
        EXPECT_FALSE(shown.show.changed);
        EXPECT_FALSE(shown.measures);
    }
    EXPECT_EQ(count(temp(), QStringLiteral("TempAreas")), 0);

    // With lineal items the Total box must still hold the figured area.
    panel->addLineal(item(kLinealMisc, QStringLiteral("Ridge"), 10'000'000, 10'000'000));
    panel->Figure(QStringLiteral("9"), QStringLiteral("1710000000"), QStringLiteral("1")); // 2,137,500,000
    EXPECT_EQ(prompter.lastText(), kMsgAreaTooLarge);
    EXPECT_EQ(count(temp(), QStringLiteral("TempAreas")), 0);
    panel->Figure(QStringLiteral("9"), QStringLiteral("1000"), QStringLiteral("1"));
    EXPECT_EQ(panel->boxes().total, 1250 + 10'000'000);
}

TEST_F(FigureTest, RefusesWhatCannotBeFigured) {
    FigureShow shown = panel->Figure(QString(), QStringLiteral("30"), QStringLiteral("40"));
    EXPECT_EQ(prompter.lastText(), kMsgSelectPitch);
    EXPECT_FALSE(shown.show.changed);

    shown = panel->Figure(QStringLiteral("6"), QStringLiteral("12a"), QStringLiteral("40"));
    EXPECT_EQ(prompter.lastText(), kMsgNotANumber);
    EXPECT_EQ(shown.focus, MeasureBox::Width);
    EXPECT_EQ(shown.reset, MeasureBox::Width);

    shown = panel->Figure(QStringLiteral("18"), QStringLiteral("2000000000"), QStringLiteral("2"));
    EXPECT_EQ(prompter.lastText(), kMsgAreaTooLarge);

    EXPECT_EQ(count(temp(), QStringLiteral("TempAreas")), 0);
    EXPECT_EQ(panel->boxes().area, 0);
    EXPECT_FALSE(state.bChanged);
}

TEST_F(FigureTest, PitchChoiceAsksForTheMissingMeasure) {
    const QString zero = QStringLiteral("0");
    const QString four = QStringLiteral("4");
    EXPECT_EQ(panel->choosePitch(QString(), zero, zero, false), PitchChoice{});
    EXPECT_EQ(prompter.messageCount(), 0);

    EXPECT_EQ(panel->choosePitch(four, zero, QStringLiteral("40"), false),
              (PitchChoice{MeasureBox::Width, true}));
    EXPECT_EQ(prompter.lastText(), kMsgEnterWidthValue);
    EXPECT_EQ(panel->choosePitch(four, QStringLiteral("30"), zero, false),
              (PitchChoice{MeasureBox::Height, true}));
    EXPECT_EQ(prompter.lastText(), kMsgEnterHeightValue);
    EXPECT_EQ(panel->choosePitch(four, QStringLiteral("30"), QStringLiteral("40"), false), PitchChoice{});
    EXPECT_EQ(prompter.messageCount(), 2);

    // While the program itself sets the list, a missing width passes silently and the list stays.
    EXPECT_EQ(panel->choosePitch(four, zero, zero, true), PitchChoice{});
    EXPECT_EQ(prompter.messageCount(), 2);
    EXPECT_EQ(panel->choosePitch(four, QStringLiteral("30"), zero, true),
              (PitchChoice{MeasureBox::Height, false}));
}

} // namespace qxtest
