#include "order/MaterialOrder.h"
#include "../lines/LinesFixture.h"
#include "../takeoff/PlanFixture.h"
#include "costs/CostItemEditor.h"
#include "costs/ItemTags.h"
#include "order/OrderTexts.h"
#include "takeoff/PlanStore.h"

#include <QFile>

using namespace qx;

namespace qxtest {

class MaterialOrderTest : public LinesTest {
protected:
    // A cost item made as the cost item editor makes it.
    qint32 costItem(const QString& name, const QString& manufacturer, const QString& covers,
                    const QString& coverage) {
        CostEditing adding;
        CostItemFields fields{QStringLiteral("Material"),
                              QStringLiteral("Roofing"),
                              manufacturer,
                              QStringLiteral("SKU-") + name.left(3),
                              name,
                              QStringLiteral("ea"),
                              QString(),
                              QStringLiteral("10"),
                              covers,
                              coverage};
        const auto id = CostItemEditor(ctx->data, cost()).save(adding, fields);
        EXPECT_TRUE(id);
        return id.value_or(0);
    }

    // The hip roof traced and applied: 1342 sq ft of area, 100 ft of cap, 140 ft of eave.
    void hipRoof() {
        PlanStore(ctx->data, temp()).store(tracedHip());
        ctx->data.file(temp()).exec(
            QStringLiteral("insert into TempLineal(Type,Name,Length,Total)values"
                           "(1,'Ridge and hip cap',100,104),(2,'Eave starter',140,58)"));
    }

    std::unique_ptr<MaterialOrder> openOrder(const RoofBoxes& boxes = {1342, 363, 1705}) {
        auto order = std::make_unique<MaterialOrder>(*ctx, state, *lines);
        EXPECT_TRUE(order->open(boxes));
        return order;
    }

    QStringList quantities() {
        return rows(temp(), QStringLiteral("select name,qty,linetotal from tplineitems order by autoid"));
    }
};

TEST_F(MaterialOrderTest, TheRoofsMeasuresBecomeWholeUnits) {
    hipRoof();
    const qint32 shingle = costItem(QStringLiteral("Shingle, \"HD\""), QStringLiteral("GAF"),
                                    QStringLiteral("Roof total"), QStringLiteral("33.3333"));
    const qint32 cap =
        costItem(QStringLiteral("Ridge cap"), {}, QStringLiteral("Cap length"), QStringLiteral("20"));
    const qint32 drip = costItem(QStringLiteral("Drip edge"), QStringLiteral("Amerimax"),
                                 QStringLiteral("Eave and rake"), QStringLiteral("10"));
    const qint32 nails = costItem(QStringLiteral("Nails"), {}, QStringLiteral("Nothing"), {});
    add(QStringLiteral("Roof"), shingle, QStringLiteral("Shingle, \"HD\""), ItemTag::kMaterial, 1, 4000);
    add(QStringLiteral("Roof"), nails, QStringLiteral("Nails"), ItemTag::kMaterial, 2, 500);
    // A unit item whose key happens to be the shingle's is no cost item line.
    add(QStringLiteral("Roof"), shingle, QStringLiteral("Tear off"), ItemTag::kUnitItem, 3, 100);
    add(QStringLiteral("Trim"), cap, QStringLiteral("Ridge cap"), ItemTag::kMaterial, 1, 5000);
    add(QStringLiteral("Trim"), drip, QStringLiteral("Drip edge"), ItemTag::kMaterial, 1, 799);

    auto order = openOrder();
    EXPECT_EQ(order->gridRows(),
              (QList<QStringList>{{"Shingle, \"HD\"", "Roof total", "1705", "33.3333", "52", "ea", "1"},
                                  {"Ridge cap", "Cap length", "100", "20", "5", "ea", "1"},
                                  {"Drip edge", "Eave and rake", "140.0", "10", "14", "ea", "1"}}));
    EXPECT_EQ(order->csv(), QStringLiteral("Item,Manufacturer,SKU,Quantity,Unit\r\n"
                                           "\"Shingle, \"\"HD\"\"\",GAF,SKU-Shi,52,ea\r\n"
                                           "Ridge cap,,SKU-Rid,5,ea\r\n"
                                           "Drip edge,Amerimax,SKU-Dri,14,ea\r\n"));

    ASSERT_TRUE(order->setQuantities());
    EXPECT_TRUE(state.bChanged);
    EXPECT_EQ(quantities(),
              (QStringList{"Shingle, \"HD\" | 52 | 20800000", "Nails | 2 | 100000", "Tear off | 3 | 30000",
                           "Ridge cap | 5 | 2500000", "Drip edge | 14 | 1118600"}));
    EXPECT_EQ(totals->lineTotal(), Money::fromCents(208000 + 1000 + 300 + 25000 + 11186));
    EXPECT_TRUE(grid().join('\n').contains(QStringLiteral("Drip edge | Material | 14")));
}

TEST_F(MaterialOrderTest, UnitsAreRoundedUp) {
    const struct {
        double measure;
        std::int64_t coverage;
        std::int64_t units;
    } cases[] = {{1705, 333333, 52}, {100, 200000, 5}, {140.00000001, 100000, 14},     {100.05, 100000, 11},
                 {0, 100000, 0},     {1, 3, 3334},     {2147483647, 1, 21474836470000}};
    for (const auto& c : cases)
        EXPECT_EQ(unitsToOrder(c.measure, c.coverage), c.units) << c.measure;
}

TEST_F(MaterialOrderTest, AnOrderTheLinesCannotHoldChangesNothing) {
    const qint32 shingle =
        costItem(QStringLiteral("Shingle"), {}, QStringLiteral("Roof total"), QStringLiteral("0.0001"));
    add(QStringLiteral("Roof"), shingle, QStringLiteral("Shingle"), ItemTag::kMaterial, 1, 100000);
    const QStringList before = quantities();

    auto beyondWhole = openOrder({0, 0, 2147483647});
    EXPECT_FALSE(beyondWhole->setQuantities());
    EXPECT_EQ(prompter.lastText(), kMsgOrderTooLarge.arg(QStringLiteral("Shingle")).arg(kMaxMeasure));

    // 2,000,000,000 units at $1,000.00 is more than a line's total can hold.
    auto beyondMoney = openOrder({0, 0, 200000});
    EXPECT_FALSE(beyondMoney->setQuantities());
    EXPECT_EQ(prompter.lastText(), lineTotalRangeMessage());
    EXPECT_EQ(quantities(), before);
    EXPECT_FALSE(state.bChanged);
}

TEST_F(MaterialOrderTest, ACsvThatCannotBeWrittenIsToldAndLeavesNoFile) {
    auto order = openOrder();
    const QString path = configDir.path() + QStringLiteral("/missing/order.csv");
    EXPECT_FALSE(order->saveCsv(path));
    EXPECT_TRUE(prompter.lastText().startsWith(kMsgCsvNotSaved.arg(path, QString())));
    EXPECT_FALSE(QFile::exists(path));

    const QString good = configDir.path() + QStringLiteral("/order.csv");
    ASSERT_TRUE(order->saveCsv(good));
    QFile written(good);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), (kCsvHeader + QStringLiteral("\r\n")).toUtf8());
}

} // namespace qxtest
