#include "order/MaterialOrder.h"
#include "../lines/LinesFixture.h"
#include "../takeoff/PlanFixture.h"
#include "costs/CostItemEditor.h"
#include "costs/ItemTags.h"
#include "order/OrderTexts.h"
#include "pricelist/CsvReader.h"
#include "takeoff/PlanStore.h"

#include <QFile>

using namespace qx;

namespace qxtest {

class MaterialOrderTest : public LinesTest {
protected:
    void exec(const QString& sql, const Params& params) { ctx->data.file(cost()).exec(sql, params); }

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
    const std::optional<std::int64_t> none;
    const struct {
        double measure;
        std::optional<std::int64_t> coverage;
        std::optional<std::int64_t> units;
    } cases[] = {{1705, 333333, 52},   {100, 200000, 5},  {140.00000001, 100000, 14},
                 {100.05, 100000, 11}, {0, 100000, none}, {-5, 100000, none},
                 {1, none, none},      {1, 3, 3334},      {2147483647, 1, 21474836470000}};
    for (const auto& c : cases)
        EXPECT_EQ(unitsToOrder(c.measure, c.coverage), c.units) << c.measure;
}

TEST_F(MaterialOrderTest, LinesWithoutAMeasureOrACoverageAreShownAndLeftAlone) {
    const qint32 shingle =
        costItem(QStringLiteral("Shingle"), {}, QStringLiteral("Roof total"), QStringLiteral("33.3333"));
    const qint32 felt =
        costItem(QStringLiteral("Felt"), {}, QStringLiteral("Roof area"), QStringLiteral("400"));
    const qint32 cap =
        costItem(QStringLiteral("Cap"), {}, QStringLiteral("Cap length"), QStringLiteral("20"));
    // Another tool left a text and a fraction where the coverage is kept.
    exec(QStringLiteral("update costitem set coverage='33 sq ft' where ID=?"), {felt});
    exec(QStringLiteral("update costitem set coverage=2.5 where ID=?"), {cap});
    add(QStringLiteral("Roof"), shingle, QStringLiteral("Shingle"), ItemTag::kMaterial, 7, 4000);
    add(QStringLiteral("Roof"), felt, QStringLiteral("Felt"), ItemTag::kMaterial, 3, 2000);
    add(QStringLiteral("Roof"), cap, QStringLiteral("Cap"), ItemTag::kMaterial, 4, 5000);
    const struct {
        RoofBoxes boxes;
        QList<QStringList> grid;
        bool set;
        QString message;
        QStringList quantities;
    } cases[] = {
        {{0, 0, 0},
         {{"Shingle", "Roof total", "0", "33.3333", "no measure", "ea", "7"},
          {"Felt", "Roof area", "0", "not usable", "no coverage", "ea", "3"},
          {"Cap", "Cap length", "0", "not usable", "no coverage", "ea", "4"}},
         false,
         kMsgNoOrder,
         {"Shingle | 7 | 2800000", "Felt | 3 | 600000", "Cap | 4 | 2000000"}},
        {{1342, 363, 1705},
         {{"Shingle", "Roof total", "1705", "33.3333", "52", "ea", "7"},
          {"Felt", "Roof area", "1342", "not usable", "no coverage", "ea", "3"},
          {"Cap", "Cap length", "0", "not usable", "no coverage", "ea", "4"}},
         true,
         linesLeftAlone(2),
         {"Shingle | 52 | 20800000", "Felt | 3 | 600000", "Cap | 4 | 2000000"}},
    };
    for (const auto& c : cases) {
        auto order = openOrder(c.boxes);
        EXPECT_EQ(order->gridRows(), c.grid) << c.boxes.total;
        EXPECT_EQ(order->setQuantities(), c.set) << c.boxes.total;
        EXPECT_EQ(prompter.lastText(), c.message);
        EXPECT_EQ(quantities(), c.quantities);
    }
    EXPECT_TRUE(openOrder()->csv().endsWith(QStringLiteral("Felt,,SKU-Fel,,ea\r\nCap,,SKU-Cap,,ea\r\n")));
}

TEST_F(MaterialOrderTest, NoCellOfTheCsvRunsAsAFormula) {
    const qint32 shingle = costItem(QStringLiteral("=1+2 Shingle"), QStringLiteral("@Acme"),
                                    QStringLiteral("Roof total"), QStringLiteral("10"));
    exec(QStringLiteral("update costitem set sku='-SKU' where ID=?"), {shingle});
    add(QStringLiteral("Roof"), shingle, QStringLiteral("=1+2 Shingle"), ItemTag::kMaterial, 1, 100);
    add(QStringLiteral("Roof"), shingle, QStringLiteral("\tTab"), ItemTag::kMaterial, 1, 100);
    const QString csv = openOrder()->csv();
    const auto read = splitCsv(csv, u',');
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 3);
    EXPECT_EQ(read->at(1).fields, (QStringList{"'=1+2 Shingle", "'@Acme", "'-SKU", "171", "ea"}));
    for (const CsvTable::Record& record : *read) {
        for (const QString& cell : record.fields)
            EXPECT_FALSE(!cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front()))
                << cell.toStdString();
    }
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
