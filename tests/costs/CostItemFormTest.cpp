#include "CostsFixture.h"
#include "FormDriver.h"
#include "costs/CostTexts.h"
#include "costs/frmAddMat.h"

#include <QLineEdit>

using namespace qx;

namespace qxtest {

class CostItemFormTest : public CostsTest {
protected:
    frmAddMat* open(CostEditing::Mode mode, qint32 id = 0, const QString& preset = kTypeMaterial) {
        editing = {mode, id};
        form = std::make_unique<frmAddMat>(ctx->data, cost(), editing, preset);
        showActive(form.get());
        return form.get();
    }
    QComboBox* combo(const char* name) { return get<QComboBox>(form.get(), name); }
    QLineEdit* field(int index) {
        return get<QLineEdit>(form.get(), QStringLiteral("txtFields_%1").arg(index).toLatin1().constData());
    }
    void fillShingle() {
        combo("cmbCat")->setEditText(QStringLiteral("Shingles"));
        combo("cmbUnit")->setEditText(QStringLiteral("bdl"));
        field(1)->setText(QStringLiteral("Duration"));
        field(3)->setText(QStringLiteral("43.75"));
    }

    std::unique_ptr<frmAddMat> form;
};

TEST_F(CostItemFormTest, AddingStartsWithTheTypeOfTheOpenersTab) {
    open(CostEditing::Mode::Add, 0, QStringLiteral("SubCon"));
    EXPECT_EQ(form->windowTitle(), kTitleCostItem);
    EXPECT_EQ(combo("cmbType")->currentText(), "SubCon");
    EXPECT_EQ(combo("cmbType")->count(), 5);
    EXPECT_FALSE(field(0)->isVisible());
    EXPECT_TRUE(combo("cmbCat")->currentText().isEmpty());
    EXPECT_GE(combo("cmbManuf")->findText(QStringLiteral("GAF")), 0);
    fillShingle();
    press(form.get(), "cmdSave");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(
        rows(cost(), QStringLiteral("select costtype,cat,costname,unit,manufacturer,amount from costitem "
                                    "where costname='Duration'")),
        QStringList{"SubCon | Shingles | Duration | bdl | NULL | 437500"});
}

TEST_F(CostItemFormTest, SaveNamesTheFirstMissingFieldAndKeepsTheEditorOpen) {
    open(CostEditing::Mode::Add);
    fillShingle();
    combo("cmbUnit")->setEditText(QString());
    field(1)->clear();
    press(form.get(), "cmdSave");
    EXPECT_EQ(prompter.lastText(), kMsgUnitBlank);
    EXPECT_EQ(focusName(form.get()), "cmbUnit");
    combo("cmbUnit")->setEditText(QStringLiteral("bdl"));
    press(form.get(), "cmdSave");
    EXPECT_EQ(prompter.lastText(), kMsgNameBlank);
    EXPECT_EQ(focusName(form.get()), "txtFields_1");
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CostItemFormTest, LeavingABoxChecksItsLengthAndNumber) {
    open(CostEditing::Mode::Add);
    combo("cmbCat")->setFocus();
    combo("cmbCat")->setEditText(QString(16, u'c'));
    field(1)->setFocus();
    settle();
    EXPECT_EQ(prompter.lastText(), "This field cannot be any longer than 15 characters.");
    EXPECT_TRUE(combo("cmbCat")->currentText().isEmpty());
    EXPECT_EQ(focusName(form.get()), "cmbCat");

    field(3)->setFocus();
    field(3)->setText(QStringLiteral("ten"));
    field(1)->setFocus();
    settle();
    EXPECT_EQ(prompter.lastText(), "This field must be a number.");
    EXPECT_EQ(field(3)->text(), "0");
}

TEST_F(CostItemFormTest, EditingShowsTheItemAndKeepsItsSku) {
    open(CostEditing::Mode::Edit, 1);
    EXPECT_TRUE(field(0)->isVisible());
    EXPECT_EQ(field(0)->text(), "1");
    EXPECT_EQ(combo("cmbType")->currentText(), "Material");
    EXPECT_EQ(combo("cmbManuf")->currentText(), "GAF");
    EXPECT_EQ(field(4)->text(), "GAF-HDZ-CHR");
    EXPECT_EQ(field(3)->text(), "44.5");
    const QStringList before = rows(cost(), QStringLiteral("select * from costitem where id=1"));
    press(form.get(), "cmdSave");
    EXPECT_EQ(rows(cost(), QStringLiteral("select * from costitem where id=1")), before);
}

} // namespace qxtest
