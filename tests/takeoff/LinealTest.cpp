#include "TakeoffFixture.h"
#include "takeoff/LinealTypes.h"
#include "takeoff/RoofSave.h"
#include "takeoff/TakeoffTexts.h"

using namespace qx;

namespace qxtest {

using LinealTest = TakeoffTest;

namespace {

LinealInput input(const char* name, std::optional<int> type, const char* length) {
    return {QString::fromUtf8(name), type, QString::fromLatin1(length)};
}

} // namespace

TEST_F(LinealTest, TotalsOfTheFourTypes) {
    auto okay = [&](std::optional<int> type, const char* length, double area) {
        return okayLinealItem(prompter, input("Ridge", type, length), area).item;
    };
    EXPECT_EQ(okay(kLinealCap, "100", 0)->total, 104);       // 103.8
    EXPECT_EQ(okay(kLinealStarter, "100", 0)->total, 42);    // 41.7
    EXPECT_EQ(okay(kLinealPercent, "10", 1342)->total, 134); // 134.2
    EXPECT_EQ(okay(kLinealPercent, "10", 0)->total, 0);
    EXPECT_EQ(okay(kLinealMisc, "12.5", 0), (LinealItem{kLinealMisc, QStringLiteral("Ridge"), 12, 12}));
    // The total counts the fraction the stored length drops: 2.5 x 1.038 = 2.595.
    EXPECT_EQ(okay(kLinealCap, "2.5", 0), (LinealItem{kLinealCap, QStringLiteral("Ridge"), 2, 3}));
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(LinealTest, OkayRefusesInOrder) {
    const std::string fifty(50, 'x');
    const std::string fiftyHouses = [] {
        std::string houses;
        for (int i = 0; i < 50; ++i)
            houses += "🏠";
        return houses;
    }();
    const struct {
        LinealInput in;
        QString message;
        LinealField focus;
    } cases[] = {
        {input("", std::nullopt, ""), kMsgNameItem, LinealField::Name},
        {input("   ", kLinealCap, "10"), kMsgNameItem, LinealField::Name},
        {input("\u200b\u00a0\u3000", kLinealCap, "10"), kMsgNameItem, LinealField::Name},
        {input((fifty + "y").c_str(), kLinealCap, "10"), tooLongMessage(50), LinealField::Name},
        {input((fiftyHouses + "🏠").c_str(), kLinealCap, "10"), tooLongMessage(50), LinealField::Name},
        {input("Ridge", std::nullopt, ""), kMsgSelectType, LinealField::Type},
        {input("Ridge", kLinealCap, ""), kMsgEnterLength, LinealField::Length},
        {input("Ridge", kLinealCap, "0"), kMsgEnterLength, LinealField::Length},
        {input("Ridge", kLinealCap, "0.4"), kMsgEnterLength, LinealField::Length},
        {input("Ridge", kLinealCap, "ten"), kMsgNotANumber, LinealField::Length},
        {input("Ridge", kLinealCap, "-5"), measureRangeMessage(), LinealField::Length},
        {input("Ridge", kLinealCap, "3000000000"), measureRangeMessage(), LinealField::Length},
        {input("Ridge", kLinealCap, std::string(400, '9').c_str()), measureRangeMessage(),
         LinealField::Length},
        {input("Ridge", kLinealCap, "2100000000"), kMsgItemTooLarge, LinealField::Length},
    };
    for (const auto& c : cases) {
        const LinealCheck check = okayLinealItem(prompter, c.in, 0);
        EXPECT_FALSE(check.ok()) << c.message.toStdString();
        EXPECT_EQ(prompter.lastText(), c.message);
        EXPECT_EQ(check.focus, c.focus) << c.message.toStdString();
    }
    EXPECT_TRUE(okayLinealItem(prompter, input(fifty.c_str(), kLinealCap, "10"), 0).ok());
    EXPECT_TRUE(okayLinealItem(prompter, input(fiftyHouses.c_str(), kLinealCap, "10"), 0).ok());
}

TEST_F(LinealTest, ATotalTheRoofCannotTakeIsRefusedInPlainWords) {
    // 2,000,000,000 percent of 1342 and a cap a little past the whole-number range.
    for (const auto& [type, length] : {std::pair{kLinealPercent, "2000000000"}, {kLinealCap, "2100000000"}}) {
        const LinealCheck check = okayLinealItem(prompter, input("Ridge", type, length), 1342);
        EXPECT_FALSE(check.ok());
        EXPECT_EQ(check.focus, LinealField::Length);
        EXPECT_EQ(prompter.lastText(), kMsgItemTooLarge);
    }
    // An item that fits alone but not beside what the roof already holds.
    EXPECT_FALSE(okayLinealItem(prompter, input("Ridge", kLinealCap, "100"), 0, 103).ok());
    EXPECT_TRUE(okayLinealItem(prompter, input("Ridge", kLinealCap, "100"), 0, 104).ok());
}

TEST_F(LinealTest, NameWithApostropheRoundTrips) {
    openEstimate();
    const QString name = QStringLiteral("Bob's ridge");
    const RoofShow shown = panel->addLineal(item(kLinealCap, name, 100, 104));
    ASSERT_TRUE(shown.linealGrid);
    EXPECT_EQ(shown.linealGrid->columns, LinealItems::gridCaptions());
    EXPECT_EQ(shown.linealGrid->value(0, QStringLiteral("Name")).toString(), name);
    EXPECT_EQ(panel->loadLineal(1), item(kLinealCap, name, 100, 104));

    SaveLineals(ctx->data, temp(), est());
    EXPECT_EQ(rows(est(), QStringLiteral("select Type,Name,Length,Total from Lineal")),
              QStringList{QStringLiteral("1 | Bob's ridge | 100 | 104")});
}

TEST_F(LinealTest, PercentItemKeepsItsTotalWhenTheAreaChanges) {
    panel->Figure(QStringLiteral("6"), QStringLiteral("30"), QStringLiteral("40"));
    const auto percent = okayLinealItem(prompter, input("Waste", kLinealPercent, "10"), panel->areaNumber());
    panel->addLineal(*percent.item);
    const RoofShow shown =
        panel->Figure(QStringLiteral("12"), QStringLiteral("30"), QStringLiteral("40")).show;
    EXPECT_EQ(shown.boxes.lineal, 134);
    EXPECT_EQ(shown.boxes.total, 1697 + 134);
}

TEST_F(LinealTest, EditReplacesTheItem) {
    panel->addLineal(item(kLinealCap, QStringLiteral("Ridge"), 100, 104));
    const RoofShow shown = panel->editLineal(1, item(kLinealStarter, QStringLiteral("Eaves"), 100, 42));
    EXPECT_TRUE(shown.changed);
    EXPECT_EQ(shown.boxes.lineal, 42);
    EXPECT_EQ(rows(temp(), QStringLiteral("select ID,LinealID,Type,Name from TempLineal")),
              QStringList{QStringLiteral("1 | 0 | 2 | Eaves")});
}

} // namespace qxtest
