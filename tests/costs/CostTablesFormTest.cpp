#include "CostsFixture.h"
#include "FormDriver.h"
#include "costs/CostTexts.h"
#include "costs/frmUnitItem.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

using namespace qx;

namespace qxtest {

namespace {

// Fills the cost item editor's required boxes and saves.
void saveCostItem(QDialog& editor, const char* category, const char* unit, const char* name,
                  const char* amount) {
    get<QComboBox>(&editor, "cmbCat")->setEditText(QLatin1String(category));
    get<QComboBox>(&editor, "cmbUnit")->setEditText(QLatin1String(unit));
    get<QLineEdit>(&editor, "txtFields_1")->setText(QLatin1String(name));
    get<QLineEdit>(&editor, "txtFields_3")->setText(QLatin1String(amount));
    press(&editor, "cmdSave");
}

} // namespace

class CostTablesFormTest : public CostsTest {
protected:
    void SetUp() override {
        CostsTest::SetUp();
        writeDefaultSettings(ctx->settings);
    }
    frmUnitItem* open() {
        window = std::make_unique<frmUnitItem>(*ctx);
        showActive(window.get());
        return window.get();
    }
    void showTab(const QString& caption) {
        auto* tabs = get<QTabWidget>(window.get(), "SSTab1");
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == caption)
                tabs->setCurrentIndex(i);
        }
    }
    QTableView* grid(int tab) {
        return get<QTableView>(window.get(), QStringLiteral("dgCost_%1").arg(tab).toLatin1().constData());
    }
    int rowCount(int tab) { return grid(tab)->model()->rowCount(); }
    QString cell(int tab, int row, int column) {
        return grid(tab)->model()->index(row, column).data().toString();
    }
    void selectRowWithKey(int tab, qint32 key) {
        for (int row = 0; row < rowCount(tab); ++row) {
            if (cell(tab, row, 0).toInt() == key)
                grid(tab)->setCurrentIndex(grid(tab)->model()->index(row, 0));
        }
    }
    // Which form the command opened; the form is closed unchanged.
    QString opens(const char* command) {
        QString name;
        onDialog([&](QDialog& dialog) { name = dialog.objectName(), dialog.reject(); },
                 [&] { press(window.get(), command); });
        return name;
    }

    std::unique_ptr<frmUnitItem> window;
};

TEST_F(CostTablesFormTest, SixTabsWithTheirCategories) {
    open();
    EXPECT_EQ(window->windowTitle(), kTitleCostTables);
    auto* tabs = get<QTabWidget>(window.get(), "SSTab1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Material", "Labor", "SubCon", "Equip", "Fee", "CostUnit"}));
    EXPECT_EQ(rowCount(0),
              scalar(QStringLiteral("select count(*) from costitem where costtype='Material'")).toInt());
    EXPECT_EQ(grid(0)->model()->headerData(7, Qt::Horizontal).toString(), "Cost");
    auto* category = get<QComboBox>(window.get(), "cmbCategory");
    EXPECT_EQ(category->currentText(), "All");

    showTab(QStringLiteral("Fee"));
    EXPECT_EQ(category->itemText(0), "All");
    choose(category, QStringLiteral("Permit"));
    EXPECT_EQ(rowCount(4), 2);

    // On the CostUnit tab the unit items' categories narrow the list too.
    showTab(QStringLiteral("CostUnit"));
    EXPECT_EQ(category->currentText(), "All");
    EXPECT_EQ(rowCount(5), 5);
    choose(category, QStringLiteral("Roofing"));
    EXPECT_EQ(rowCount(5), 2);
    EXPECT_EQ(cell(5, 1, 2), "Drip edge, per lf");
}

TEST_F(CostTablesFormTest, AddAndEditOpenTheEditorOfTheTab) {
    open();
    EXPECT_EQ(opens("cmdItem"), "frmAddMat");
    showTab(QStringLiteral("Labor"));
    EXPECT_EQ(opens("cmdItem"), "frmLabor");
    EXPECT_EQ(opens("cmdEdit"), "frmLabor"); // first row: the Roofing Foreman, Hourly
    selectRowWithKey(1, 57);                 // Tear Off, a labor item of another category
    EXPECT_EQ(opens("cmdEdit"), "frmAddMat");
    showTab(QStringLiteral("CostUnit"));
    EXPECT_EQ(opens("cmdItem"), "frmAddLabMat");
    EXPECT_EQ(opens("cmdEdit"), "frmAddLabMat");
}

TEST_F(CostTablesFormTest, AddingOnATabPresetsItsTypeAndRefreshesTheGrid) {
    open();
    showTab(QStringLiteral("Equip"));
    const int before = rowCount(3);
    onDialog(
        [](QDialog& editor) {
            EXPECT_EQ(get<QComboBox>(&editor, "cmbType")->currentText(), "Equip");
            saveCostItem(editor, "Lifts", "day", "Shingle lift", "180");
        },
        [&] { press(window.get(), "cmdItem"); });
    EXPECT_EQ(rowCount(3), before + 1);
    EXPECT_EQ(cell(3, before, 2), "Shingle lift");
    EXPECT_EQ(cell(3, before, 5), "$180.00");
}

TEST_F(CostTablesFormTest, NonEmployeeLaborGoesOnInTheCostItemEditor) {
    open();
    showTab(QStringLiteral("Labor"));
    const int filled = onDialogs({[](QDialog& labor) {
                                      EXPECT_EQ(labor.objectName(), "frmLabor");
                                      press(&labor, "cmdNonEmployee");
                                  },
                                  [](QDialog& editor) {
                                      EXPECT_EQ(editor.objectName(), "frmAddMat");
                                      EXPECT_EQ(get<QComboBox>(&editor, "cmbType")->currentText(), "Labor");
                                      saveCostItem(editor, "Cleanup", "job", "Magnet sweep", "75");
                                  }},
                                 [&] { press(window.get(), "cmdItem"); });
    EXPECT_EQ(filled, 2);
    EXPECT_EQ(cell(1, rowCount(1) - 1, 2), "Magnet sweep");
    EXPECT_EQ(
        scalar(QStringLiteral("select count(*) from laborcost where costid=(select max(id) from costitem)"))
            .toInt(),
        0);
}

TEST_F(CostTablesFormTest, DeleteAsksFirstAndNoKeepsTheItem) {
    open();
    const int before = rowCount(0);
    const QString first = cell(0, 0, 0);
    prompter.queueAnswer(Prompter::Answer::No);
    press(window.get(), "cmdDeleteItem");
    EXPECT_EQ(prompter.log().last(),
              "message: Delete Cost Item | Are you sure you want to delete this cost item? -> no");
    EXPECT_EQ(rowCount(0), before);
    prompter.queueAnswer(Prompter::Answer::Yes);
    press(window.get(), "cmdDeleteItem");
    EXPECT_EQ(rowCount(0), before - 1);
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem where id=?"), {first.toInt()}).toInt(), 0);
}

TEST_F(CostTablesFormTest, DeletingOrEditingAnEmptyGridDoesNothing) {
    emptyCostDatabase();
    open();
    EXPECT_EQ(rowCount(0), 0);
    press(window.get(), "cmdDeleteItem");
    EXPECT_TRUE(opens("cmdEdit").isEmpty());
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(CostTablesFormTest, DeletingAComponentCostItemRepricesTheUnitItemTab) {
    open();
    showTab(QStringLiteral("CostUnit"));
    EXPECT_EQ(cell(5, 1, 5), "$12.06"); // Ridge vent, per lf: 0.12 hr of the Journeyman Roofer among others
    showTab(QStringLiteral("Labor"));
    selectRowWithKey(1, 53);
    prompter.queueAnswer(Prompter::Answer::Yes);
    press(window.get(), "cmdDeleteItem");
    showTab(QStringLiteral("CostUnit"));
    EXPECT_EQ(cell(5, 1, 5), "$6.59");
}

} // namespace qxtest
