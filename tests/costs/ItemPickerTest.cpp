#include "TestFolders.h"

#include "costs/ItemTags.h"
#include "data/InputRules.h"
#include "lines/ItemPicker.h"

namespace {

using qx::ItemPicker;
using qx::Money;
using qx::PendingLine;
using qx::PickerEntry;

class ItemPickerTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ctx->working.CreateTempDB();
        qx::Database& file = ctx->data.file(cost());
        file.execScript(
            "delete from unititems; delete from costunit;"
            "insert into costitem(ID,costtype,Cat,CostName,Unit,Amount) values(900,'Material','Nails',"
            "'Coil nails','box',1250);"
            "insert into costunit(ID,MLName,MLCat,MLUnit) values(1,'Nail-up','Roofing','sq'),"
            "(2,'Nothing','Roofing','ea');"
            "insert into unititems(matlaborid,itemid,itemqty) values(1,900,1.15),(1,900,2);");
        picker = std::make_unique<ItemPicker>(*ctx);
    }
    std::unique_ptr<ItemPicker> picker;
};

TEST_F(ItemPickerTest, AUnitItemIsPickedAtItsComponentsPriceOfThatMoment) {
    const auto item = picker->PickGrid_DblClick(qx::CostCatalogue::kUnitTab, 1);
    ASSERT_TRUE(item.has_value());
    EXPECT_EQ(item->itemTable, qx::ItemTag::kUnitItem);
    EXPECT_EQ(item->name, "Nail-up");
    EXPECT_EQ(item->unit, "sq");
    // 1.15 x 0.1250 = 0.1438 (rounded half away from zero) plus 2 x 0.1250.
    EXPECT_EQ(item->price, Money::fromRaw(1438 + 2500));
    EXPECT_EQ(ItemPicker::priceText(item->price), "0.3938");

    // A line keeps the price it was picked at when a component's amount changes later.
    ctx->data.file(cost()).exec("update costitem set Amount=99990000 where ID=900");
    EXPECT_NE(picker->PickGrid_DblClick(qx::CostCatalogue::kUnitTab, 1)->price, item->price);
}

TEST_F(ItemPickerTest, ACostItemCarriesItsStoredCostTypeAndNothingIsPickedWithoutARow) {
    const auto item = picker->PickGrid_DblClick(0, 900);
    ASSERT_TRUE(item.has_value());
    EXPECT_EQ(item->itemTable, "Material");
    EXPECT_EQ(item->price, Money::fromRaw(1250));
    EXPECT_FALSE(picker->PickGrid_DblClick(0, 0).has_value());
    EXPECT_FALSE(picker->PickGrid_DblClick(0, 12345).has_value());
    // A unit item without components has no price and cannot be picked.
    EXPECT_FALSE(picker->PickGrid_DblClick(qx::CostCatalogue::kUnitTab, 2).has_value());
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(ItemPickerTest, PricesShowPlainWithTwoToFourDecimals) {
    const struct {
        qint64 raw;
        const char* text;
    } cases[] = {{459900, "45.99"},
                 {1000000, "100.00"},
                 {1438, "0.1438"},
                 {12340, "1.234"},
                 {123456789012, "12345678.9012"}};
    for (const auto& c : cases)
        EXPECT_EQ(ItemPicker::priceText(Money::fromRaw(c.raw)), c.text);
}

struct ConfirmCase {
    const char* qty;
    const char* price;
    const char* section;
    const char* message; // "" when the line is taken
    int wholeQty;
    qint64 totalCents;
};

TEST_F(ItemPickerTest, ConfirmTakesAWholeQuantityAnAmountAndARealSection) {
    const QString range = qx::readMeasure("-1").problem;
    const ConfirmCase cases[] = {
        {"3", "45.99", "Roof", "", 3, 13797},
        {"2.5", "10", "Roof", "", 2, 2000}, // the whole quantity (half to even) times the price
        {"3.5", "10", "Roof", "", 4, 4000},
        {"1,000", "0.3938", "Roof", "", 1000, 39380},
        {"1", "$1,234.565", "Roof", "", 1, 123457},
        {"1", "1", "", "You must select a selection.", 0, 0},
        {"1", "1", "Add", "You must select a selection.", 0, 0},
        {"1", "1", " \u200B ", "You must select a selection.", 0, 0},
        {"", "1", "Roof", "This field must be a number.", 0, 0},
        {"12a", "1", "Roof", "This field must be a number.", 0, 0},
        {"'; drop table tplineitems; --", "1", "Roof", "This field must be a number.", 0, 0},
        {"1", "", "Roof", "This field must be a number.", 0, 0},
        {"1", "1e3", "Roof", "This field must be a number.", 0, 0},
    };
    for (const ConfirmCase& c : cases) {
        PendingLine pending;
        const PickerEntry entry{"Material", "900", "Coil nails", "box", c.qty, c.price, c.section, 3};
        const auto refusal = ItemPicker::confirm(entry, pending);
        if (QString(c.message).isEmpty()) {
            ASSERT_FALSE(refusal.has_value()) << c.qty << " " << c.price;
            EXPECT_EQ(pending.qty, c.wholeQty);
            EXPECT_EQ(pending.lineTotal, Money::fromCents(c.totalCents)) << c.qty << " " << c.price;
            EXPECT_TRUE(pending.linePicked);
            EXPECT_EQ(pending.secOrder, 3);
            EXPECT_EQ(pending.itemId, 900);
        } else {
            ASSERT_TRUE(refusal.has_value()) << c.qty << " " << c.price;
            EXPECT_EQ(refusal->message, c.message);
            EXPECT_FALSE(pending.linePicked);
        }
    }
    PendingLine pending;
    for (const char* qty : {"-1", "2147483648", "99999999999999999999"}) {
        const auto refusal = ItemPicker::confirm({"Fee", "1", "x", "ea", qty, "1", "Roof", 0}, pending);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->message, range);
    }
    const auto negative = ItemPicker::confirm({"Fee", "1", "x", "ea", "1", "-1", "Roof", 0}, pending);
    ASSERT_TRUE(negative.has_value());
    EXPECT_EQ(negative->field, ItemPicker::Field::Price);
}

TEST_F(ItemPickerTest, ALineWhoseTotalCannotBeHeldIsRefusedOnItsQuantity) {
    const QString message =
        "The quantity times the price is more than a line can hold ($999,999,999,999.99).";
    EXPECT_EQ(qx::lineTotalRangeMessage(), message);
    const struct {
        const char* qty;
        const char* price;
        qint64 totalCents; // -1: refused
    } cases[] = {
        {"1000", "999999999.99", 99'999'999'999'000},
        {"100000", "9999999.9999", 99'999'999'999'000},
        {"1001", "999999999.99", -1},
        {"2147483647", "999999999.99", -1}, // beyond a 64-bit count of ten-thousandths
        {"2147483647", "465.66", 99'999'723'506'202},
        {"2147483647", "465.67", -1},
    };
    for (const auto& c : cases) {
        PendingLine pending;
        const auto refusal = ItemPicker::confirm({"Fee", "1", "x", "ea", c.qty, c.price, "Roof", 0}, pending);
        if (c.totalCents < 0) {
            ASSERT_TRUE(refusal.has_value()) << c.qty << " x " << c.price;
            EXPECT_EQ(refusal->message, message);
            EXPECT_EQ(refusal->field, ItemPicker::Field::Quantity);
            EXPECT_FALSE(pending.linePicked);
            EXPECT_FALSE(ItemPicker::totalText(c.qty, c.price).has_value());
        } else {
            ASSERT_FALSE(refusal.has_value()) << c.qty << " x " << c.price;
            EXPECT_EQ(pending.lineTotal, Money::fromCents(c.totalCents)) << c.qty << " x " << c.price;
        }
    }
}

TEST_F(ItemPickerTest, TheTotalLabelShowsTheLineTotalOnceBothBoxesHoldNumbers) {
    EXPECT_EQ(ItemPicker::totalText("3", "45.99"), std::optional<QString>("$137.97"));
    EXPECT_EQ(ItemPicker::totalText("2", "40.7395"), std::optional<QString>("$81.48"));
    EXPECT_FALSE(ItemPicker::totalText("x", "1").has_value());
    EXPECT_FALSE(ItemPicker::totalText("1", "").has_value());
}

TEST_F(ItemPickerTest, ALineIsLoadedForEditingWithItsSection) {
    ctx->data.file(temp()).exec(
        "insert into tplineitems(itemid,secorder,sect,name,itemtable,qty,unit,cost,linetotal)"
        " values(900,1,'O''Neil''s roof','Coil nails','Material',4,'box',1250,5000)");
    const auto line = picker->PopEditForm(1);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->lineId, 1);
    EXPECT_EQ(line->qty, 4);
    EXPECT_EQ(line->sect, "O'Neil's roof");
    EXPECT_EQ(line->item.itemTable, "Material");
    EXPECT_EQ(line->item.price, Money::fromRaw(1250));
    EXPECT_FALSE(picker->PopEditForm(2).has_value());
}

} // namespace
