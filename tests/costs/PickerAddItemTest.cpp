#include "CostsFixture.h"
#include "FormDriver.h"
#include "costs/CostTexts.h"
#include "lines/PendingLine.h"
#include "lines/frmPickItem.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

using namespace qx;

namespace qxtest {

// The item picker's "Add New Cost Item": the cost item editor, or on the unit items' tab the unit item
// builder, then every grid refilled.
class PickerAddItemTest : public CostsTest {
protected:
    void SetUp() override {
        CostsTest::SetUp();
        ctx->working.CreateTempDB();
        picker = std::make_unique<frmPickItem>(*ctx, pending);
        showActive(picker.get());
    }
    int rowCount(int tab) {
        return get<QTableView>(picker.get(), QStringLiteral("PickGrid_%1").arg(tab).toLatin1().constData())
            ->model()
            ->rowCount();
    }

    PendingLine pending;
    std::unique_ptr<frmPickItem> picker;
};

TEST_F(PickerAddItemTest, ANewCostItemStartsAsAMaterialOnAnyTab) {
    get<QTabWidget>(picker.get(), "SSTab1")->setCurrentIndex(2);
    choose(get<QComboBox>(picker.get(), "cmbCategory"), QStringLiteral("Gutters"));
    const int materials = rowCount(0);
    const bool opened = onDialog(
        [](QDialog& editor) {
            EXPECT_EQ(editor.objectName(), "frmAddMat");
            EXPECT_EQ(get<QComboBox>(&editor, "cmbType")->currentText(), kTypeMaterial);
            get<QComboBox>(&editor, "cmbCat")->setEditText(QStringLiteral("Valley"));
            get<QComboBox>(&editor, "cmbUnit")->setEditText(QStringLiteral("pc"));
            get<QLineEdit>(&editor, "txtFields_1")->setText(QStringLiteral("Copper valley"));
            get<QLineEdit>(&editor, "txtFields_3")->setText(QStringLiteral("112.50"));
            press(&editor, "cmdSave");
        },
        [&] { press(picker.get(), "cmdAddItem"); });
    EXPECT_TRUE(opened);
    EXPECT_EQ(rowCount(0), materials + 1);
    EXPECT_EQ(get<QComboBox>(picker.get(), "cmbCategory")->currentText(), "All");
}

TEST_F(PickerAddItemTest, TheUnitItemsTabBuildsANewUnitItem) {
    get<QTabWidget>(picker.get(), "SSTab1")->setCurrentIndex(5);
    const int unitItems = rowCount(5);
    onDialog(
        [](QDialog& builder) {
            EXPECT_EQ(builder.objectName(), "frmAddLabMat");
            EXPECT_TRUE(get<QLineEdit>(&builder, "txtItem")->text().isEmpty());
            // A unit item without components is stored but cannot be picked.
            get<QLineEdit>(&builder, "txtItem")->setText(QStringLiteral("Nothing yet"));
            get<QComboBox>(&builder, "cmbUnit")->setEditText(QStringLiteral("ea"));
            press(&builder, "cmdSave");
        },
        [&] { press(picker.get(), "cmdAddItem"); });
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costunit where mlname='Nothing yet'")).toInt(), 1);
    EXPECT_EQ(rowCount(5), unitItems);
}

} // namespace qxtest
