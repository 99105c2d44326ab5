#include "costs/CostItemEditor.h"
#include "CostsFixture.h"
#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "data/InputRules.h"

using namespace qx;

namespace qxtest {

namespace {

CostItemFields shingle() {
    return {QStringLiteral("Material"),
            QStringLiteral("Shingles"),
            QStringLiteral("O'Neil & Sons"),
            QStringLiteral("ON-1"),
            QStringLiteral("Ridge \"cap\"; drop table costitem"),
            QStringLiteral("bdl"),
            QStringLiteral("Three tab"),
            QStringLiteral("42.5")};
}

} // namespace

class CostItemEditorTest : public CostsTest {
protected:
    CostItemEditor editor() { return CostItemEditor(ctx->data, cost()); }
    QStringList stored(qint32 id) {
        return rows(cost(),
                    QStringLiteral("select costtype,cat,manufacturer,sku,costname,unit,descrip,amount "
                                   "from costitem where id=%1")
                        .arg(id));
    }
};

TEST_F(CostItemEditorTest, AnEmptyCostDatabaseListsNoItems) {
    emptyCostDatabase();
    EXPECT_EQ(editor().categories(), QStringList{kNoItemsListed});
    EXPECT_EQ(editor().units(), QStringList{kNoItemsListed});
    EXPECT_TRUE(editor().PopComboManufacturer().isEmpty());
}

TEST_F(CostItemEditorTest, ListsAreSortedAndLeaveOutEmptyManufacturers) {
    emptyCostDatabase();
    costItem(QStringLiteral("Material"), QStringLiteral("Vents"), QStringLiteral("A"), 10,
             QStringLiteral("pc"));
    costItem(QStringLiteral("Fee"), QStringLiteral("Permits"), QStringLiteral("B"), 10, QStringLiteral("ea"));
    exec(QStringLiteral("update costitem set manufacturer='GAF' where costname='A'"));
    EXPECT_EQ(editor().categories(), (QStringList{"Permits", "Vents"}));
    EXPECT_EQ(editor().units(), (QStringList{"ea", "pc"}));
    EXPECT_EQ(editor().PopComboManufacturer(), QStringList{"GAF"});
}

TEST_F(CostItemEditorTest, SaveChecksInOrder) {
    using F = CostItemField;
    const struct {
        std::function<void(CostItemFields&)> change;
        F field;
        QString message;
    } cases[] = {
        {[](CostItemFields& f) { f = {}; }, F::Type, kMsgTypeBlank},
        {[](CostItemFields& f) { f.type = QStringLiteral(" \t"); }, F::Type, kMsgTypeBlank},
        {[](CostItemFields& f) {
             f.category.clear();
             f.unit.clear();
         },
         F::Category, kMsgCategoryBlank},
        {[](CostItemFields& f) {
             f.unit.clear();
             f.name.clear();
         },
         F::Unit, kMsgUnitBlank},
        {[](CostItemFields& f) {
             f.name.clear();
             f.amount.clear();
         },
         F::Name, kMsgNameBlank},
        {[](CostItemFields& f) { f.amount.clear(); }, F::Amount, kMsgAmountBlank},
        {[](CostItemFields& f) { f.amount = QStringLiteral("12a"); }, F::Amount, kMustBeNumber},
        {[](CostItemFields& f) { f.amount = QStringLiteral("-1"); }, F::Amount, amountRangeMessage()},
        {[](CostItemFields& f) { f.amount = QStringLiteral("99999999999999999"); }, F::Amount,
         amountRangeMessage()},
        {[](CostItemFields& f) { f.covers = QStringLiteral("Chimney"); }, F::Covers, kMsgCoversUnknown},
        {[](CostItemFields& f) { f.covers = QStringLiteral("Roof total"); }, F::Coverage, kMsgCoverageBlank},
        {[](CostItemFields& f) {
             f.covers = QStringLiteral("Valley");
             f.coverage = QStringLiteral("0");
         },
         F::Coverage, coverageRangeMessage()},
        {[](CostItemFields& f) {
             f.covers = QStringLiteral("Cap length");
             f.coverage = QStringLiteral("-20");
         },
         F::Coverage, coverageRangeMessage()},
        {[](CostItemFields& f) { f.type = QStringLiteral("Materials!!"); }, F::Type, tooLongMessage(10)},
        {[](CostItemFields& f) { f.category = QString(16, u'c'); }, F::Category, tooLongMessage(15)},
        {[](CostItemFields& f) { f.manufacturer = QString(51, u'm'); }, F::Manufacturer, tooLongMessage(50)},
        {[](CostItemFields& f) { f.sku = QString(26, u's'); }, F::Sku, tooLongMessage(25)},
        {[](CostItemFields& f) { f.name = QString(51, u'n'); }, F::Name, tooLongMessage(50)},
        {[](CostItemFields& f) { f.unit = QStringLiteral("No items listed"); }, F::Unit, tooLongMessage(10)},
        {[](CostItemFields& f) { f.description = QString(256, u'd'); }, F::Description, tooLongMessage(255)},
    };
    const qint64 before = scalar(QStringLiteral("select count(*) from costitem")).toLongLong();
    for (const auto& c : cases) {
        CostItemFields fields = shingle();
        c.change(fields);
        const auto problem = CostItemEditor::check(fields);
        ASSERT_TRUE(problem) << c.message.toStdString();
        EXPECT_EQ(problem->field, c.field) << c.message.toStdString();
        EXPECT_EQ(problem->message, c.message);
        EXPECT_FALSE(editor().save(editing, fields));
    }
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem")).toLongLong(), before);
}

TEST_F(CostItemEditorTest, LengthsCountCharactersAsTheDatabaseDoes) {
    CostItemFields fields = shingle();
    fields.category = QString::fromUtf8("🏠🏠🏠🏠🏠🏠🏠🏠🏠🏠🏠🏠🏠🏠🏠"); // 15 characters, 30 UTF-16 units
    fields.name = QString::fromUtf8("Ölz Dachdecker 屋根 ") + QString(31, u'x');
    EXPECT_FALSE(CostItemEditor::check(fields));
    const auto id = editor().save(editing, fields);
    ASSERT_TRUE(id);
    EXPECT_EQ(scalar(QStringLiteral("select cat from costitem where id=?"), {*id}).toString(),
              fields.category);
}

TEST_F(CostItemEditorTest, AddingStoresWhatWasTyped) {
    editing.mode = CostEditing::Mode::Add;
    const auto id = editor().save(editing, shingle());
    ASSERT_TRUE(id);
    EXPECT_EQ(*id, scalar(QStringLiteral("select id from costitem where sku='ON-1'")).toInt());
    EXPECT_EQ(stored(*id),
              (QStringList{"Material | Shingles | O'Neil & Sons | ON-1 | Ridge \"cap\"; drop table "
                           "costitem | bdl | Three tab | 425000"}));

    // Optional boxes left blank hold no value; a type that is none of the five is kept as typed.
    CostItemFields bare = shingle();
    bare.type = QStringLiteral("Gadget");
    bare.manufacturer = QStringLiteral("   ");
    bare.sku.clear();
    bare.description.clear();
    bare.amount = QStringLiteral("$1,234.56");
    const auto second = editor().save(editing, bare);
    EXPECT_EQ(stored(*second),
              (QStringList{"Gadget | Shingles | NULL | NULL | Ridge \"cap\"; drop table costitem | "
                           "bdl | NULL | 12345600"}));
    EXPECT_GT(*second, *id);

    // The texts that make lists lose the blanks at their ends: "Shingles " is no second category.
    CostItemFields padded = shingle();
    padded.type = QStringLiteral(" Material\u00a0");
    padded.category = QStringLiteral("Shingles ");
    padded.manufacturer = QStringLiteral("\u3000GAF ");
    padded.unit = QStringLiteral(" bdl\t");
    const auto third = editor().save(editing, padded);
    EXPECT_EQ(stored(*third).first().section(" | ", 0, 2), "Material | Shingles | GAF");
    EXPECT_EQ(stored(*third).first().section(" | ", 5, 5), "bdl");
}

TEST_F(CostItemEditorTest, CoverageIsKeptOnlyWithAMeasure) {
    CostItemFields fields = shingle();
    fields.covers = QStringLiteral("roof TOTAL");
    fields.coverage = QStringLiteral("33.3333");
    const auto id = *editor().save(editing, fields);
    const QString sql = QStringLiteral("select covers,coverage from costitem where id=%1").arg(id);
    EXPECT_EQ(rows(cost(), sql), QStringList{"Roof total | 333333"});
    const auto loaded = editor().load(id);
    EXPECT_EQ(loaded->covers, "Roof total");
    EXPECT_EQ(loaded->coverage, "33.3333");

    // Covering nothing, a typed coverage is not kept.
    editing = {CostEditing::Mode::Edit, id};
    fields.covers = QStringLiteral("Nothing");
    fields.coverage = QStringLiteral("junk");
    ASSERT_TRUE(editor().save(editing, fields));
    EXPECT_EQ(rows(cost(), sql), QStringList{"Nothing | 0"});
    EXPECT_EQ(editor().load(id)->coverage, "");
}

TEST_F(CostItemEditorTest, EditingWithoutChangesKeepsEveryField) {
    const auto id = *editor().save(editing, shingle());
    editing = {CostEditing::Mode::Edit, id};
    const auto loaded = editor().load(id);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->amount, "42.5");
    EXPECT_EQ(loaded->sku, "ON-1");
    const QStringList before = stored(id);
    const qint64 count = scalar(QStringLiteral("select count(*) from costitem")).toLongLong();
    EXPECT_EQ(editor().save(editing, *loaded), id);
    EXPECT_EQ(stored(id), before);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem")).toLongLong(), count);

    CostItemFields changed = *loaded;
    changed.amount = QStringLiteral("0");
    changed.category = QStringLiteral("Caps");
    editor().save(editing, changed);
    EXPECT_EQ(stored(id),
              (QStringList{"Material | Caps | O'Neil & Sons | ON-1 | Ridge \"cap\"; drop table costitem | "
                           "bdl | Three tab | 0"}));
}

} // namespace qxtest
