#include "CostsFixture.h"
#include "FormDriver.h"
#include "costs/CostTexts.h"
#include "costs/frmAddLabMat.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

using namespace qx;

namespace qxtest {

class UnitItemFormTest : public CostsTest {
protected:
    frmAddLabMat* open(CostEditing::Mode mode, qint32 id = 0) {
        editing = {mode, id};
        form = std::make_unique<frmAddLabMat>(ctx->data, ctx->working, cost(), editing);
        showActive(form.get());
        return form.get();
    }
    QTableView* items() { return get<QTableView>(form.get(), "DataGrid1"); }
    QStringList itemRows() {
        QStringList out;
        const QAbstractItemModel* model = items()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 1; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            out << cells.join(QStringLiteral(" | "));
        }
        return out;
    }
    QString total() { return get<QLabel>(form.get(), "lblTotal")->text(); }
    // "Add Item", a row of a tab of the selection frame, a quantity, "Select".
    void addComponent(int tab, qint32 key, const QString& quantity) {
        press(form.get(), "cmdAddItem");
        EXPECT_EQ(get<QLineEdit>(form.get(), "txtQty")->text(), "1");
        get<QTabWidget>(form.get(), "SSTab1")->setCurrentIndex(tab);
        auto* grid = get<QTableView>(form.get(), QStringLiteral("dgCost_%1").arg(tab).toLatin1().constData());
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            if (grid->model()->index(row, 0).data().toInt() == key)
                grid->setCurrentIndex(grid->model()->index(row, 0));
        }
        get<QLineEdit>(form.get(), "txtQty")->setText(quantity);
        press(form.get(), "cmSelectItem");
    }
    void selectItem(int row) { items()->setCurrentIndex(items()->model()->index(row, 0)); }

    std::unique_ptr<frmAddLabMat> form;
};

TEST_F(UnitItemFormTest, BuildingAUnitItem) {
    open(CostEditing::Mode::Add);
    EXPECT_EQ(form->windowTitle(), kTitleUnitItem);
    EXPECT_FALSE(get(form.get(), "fraSelectItem")->isVisible());
    EXPECT_EQ(total(), "$0.00");
    addComponent(0, 26, QStringLiteral("2.5")); // W-Valley Flashing at 28.00
    EXPECT_FALSE(get(form.get(), "fraSelectItem")->isVisible());
    addComponent(1, 53, QStringLiteral("0.15")); // Journeyman Roofer at 45.622
    EXPECT_EQ(itemRows(),
              (QStringList{"0 | 0 | 26 | 2.5 | pc | W-Valley Flashing 10 ft, Galvanized | $28.00 | $70.00",
                           "0 | 0 | 53 | 0.15 | hr | Journeyman Roofer | $45.62 | $6.84"}));
    EXPECT_EQ(total(), "$76.84");

    get<QLineEdit>(form.get(), "txtItem")->setText(QStringLiteral("Valley, per lf"));
    get<QComboBox>(form.get(), "cmbUnit")->setEditText(QStringLiteral("lf"));
    press(form.get(), "cmdSave");
    EXPECT_FALSE(form->isVisible());
    const int id = scalar(QStringLiteral("select id from costunit where mlname='Valley, per lf'")).toInt();
    EXPECT_EQ(rows(cost(), QStringLiteral("select mlcat,mlunit,mldesc from costunit where id=%1").arg(id)),
              QStringList{"NULL | lf | NULL"});
    EXPECT_EQ(
        rows(cost(), QStringLiteral("select itemid,itemqty from unititems where matlaborid=%1").arg(id)),
        (QStringList{"26 | 2.5", "53 | 0.15"}));
}

TEST_F(UnitItemFormTest, SelectWithoutARowAddsNothingButClosesTheFrame) {
    emptyCostDatabase();
    open(CostEditing::Mode::None);
    press(form.get(), "cmdAddItem");
    EXPECT_TRUE(get(form.get(), "fraSelectItem")->isVisible());
    press(form.get(), "cmSelectItem");
    EXPECT_FALSE(get(form.get(), "fraSelectItem")->isVisible());
    EXPECT_TRUE(itemRows().isEmpty());
    press(form.get(), "cmdAddItem");
    press(form.get(), "cmdCancelItem");
    EXPECT_FALSE(get(form.get(), "fraSelectItem")->isVisible());
}

TEST_F(UnitItemFormTest, ANameAndAUnitAreNeeded) {
    open(CostEditing::Mode::Add);
    const qint64 before = scalar(QStringLiteral("select count(*) from costunit")).toLongLong();
    press(form.get(), "cmdSave");
    EXPECT_EQ(prompter.lastText(), kMsgNameBlank);
    EXPECT_EQ(focusName(form.get()), "txtItem");
    get<QLineEdit>(form.get(), "txtItem")->setText(QStringLiteral("Valley"));
    press(form.get(), "cmdSave");
    EXPECT_EQ(prompter.lastText(), kMsgUnitBlank);
    EXPECT_EQ(focusName(form.get()), "cmbUnit");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costunit")).toLongLong(), before);
}

TEST_F(UnitItemFormTest, EditingAQuantityKeepsComponentsNotYetSaved) {
    open(CostEditing::Mode::Edit, 2); // Ridge vent, per lf: four stored components
    EXPECT_EQ(get<QLineEdit>(form.get(), "txtItem")->text(), "Ridge vent, per lf");
    EXPECT_EQ(get<QComboBox>(form.get(), "cmbCategory")->currentText(), "Ventilation");
    EXPECT_EQ(itemRows().size(), 4);
    EXPECT_EQ(total(), "$12.06");
    addComponent(0, 26, QStringLiteral("1"));
    selectItem(4);
    onDialog(
        [](QDialog& prompt) {
            EXPECT_EQ(prompt.windowTitle(), kTitleQty);
            EXPECT_EQ(get<QLineEdit>(&prompt, "txtQty")->text(), "1");
            get<QLineEdit>(&prompt, "txtQty")->setText(QStringLiteral("0.5"));
            press(&prompt, "cmdSave");
        },
        [&] { press(form.get(), "cmdEditItem"); });
    EXPECT_EQ(itemRows().size(), 5);
    EXPECT_TRUE(itemRows()[4].startsWith(QStringLiteral("0 | 0 | 26 | 0.5 |")));
    EXPECT_EQ(total(), "$26.06");

    // A stored component's quantity is stored at once; an empty box keeps the prompt open.
    selectItem(0);
    const QString storedKey = items()->model()->index(0, 1).data().toString();
    onDialog(
        [](QDialog& prompt) {
            get<QLineEdit>(&prompt, "txtQty")->clear();
            press(&prompt, "cmdSave");
            EXPECT_TRUE(prompt.isVisible());
            get<QLineEdit>(&prompt, "txtQty")->setText(QStringLiteral("0.5"));
            press(&prompt, "cmdSave");
        },
        [&] { press(form.get(), "cmdEditItem"); });
    EXPECT_EQ(
        scalar(QStringLiteral("select itemqty from unititems where id=?"), {storedKey.toInt()}).toDouble(),
        0.5);
    press(form.get(), "cmdCancel");
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from unititems where matlaborid=2")).toInt(), 4);
}

TEST_F(UnitItemFormTest, DeleteItemAsksAndRemovesAStoredComponentAtOnce) {
    open(CostEditing::Mode::Edit, 2);
    prompter.queueAnswer(Prompter::Answer::No);
    press(form.get(), "cmdDeleteItem");
    EXPECT_EQ(prompter.log().last(),
              "message: Delete Cost Item | Are you sure you want to delete this cost item? -> no");
    EXPECT_EQ(itemRows().size(), 4);
    prompter.queueAnswer(Prompter::Answer::Yes);
    press(form.get(), "cmdDeleteItem");
    EXPECT_EQ(itemRows().size(), 3);
    press(form.get(), "cmdCancel");
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from unititems where matlaborid=2")).toInt(), 3);
}

} // namespace qxtest
