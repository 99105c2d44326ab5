#include "FormDriver.h"
#include "StatusFixture.h"
#include "status/StatusTexts.h"
#include "status/frmManageStatus.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>

using namespace qx;

namespace qxtest {

class StatusFormsTest : public StatusTest {
protected:
    frmManageStatus& board() {
        if (!m_board) {
            m_board = std::make_unique<frmManageStatus>(*ctx, state);
            showActive(m_board.get());
        }
        return *m_board;
    }
    QListWidget* list() { return get<QListWidget>(&board(), "List1"); }
    QStringList lines() {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    void doubleClick(int row) {
        const QRect rect = list()->visualItemRect(list()->item(row));
        // A double click starts as a click.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
        settle();
    }
    bool onEditPage() { return get(&board(), "fraEdit")->isVisible(); }
    QString text(const char* name) {
        QWidget* w = get(&board(), name);
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        if (auto* box = qobject_cast<QLineEdit*>(w))
            return box->text();
        return qobject_cast<QComboBox*>(w)->currentText();
    }
    void leave(QWidget* box) {
        box->setFocus();
        settle();
        get(&board(), "txtDate")->setFocus();
        settle();
    }

    std::unique_ptr<frmManageStatus> m_board;
};

TEST_F(StatusFormsTest, OpensOnTheWorkingListInAFixedPitchFont) {
    addRow("SmithGarage", {}, "Garage", "Working");
    addRow("LeeBarn", {}, "Barn", "Pending");
    EXPECT_EQ(board().windowTitle(), "Manage Estimate/Status");
    auto* filter = get<QComboBox>(&board(), "cmbFilter");
    QStringList entries;
    for (int i = 0; i < filter->count(); ++i)
        entries << filter->itemText(i);
    EXPECT_EQ(entries, (QStringList{"Working", "Pending", "Accepted", "Rejected", "All"}));
    EXPECT_EQ(filter->currentText(), "Working");
    EXPECT_TRUE(QFontInfo(list()->font()).fixedPitch());
    EXPECT_EQ(lines(), QStringList{StatusList::BuildListItem("Working", {"SmithGarage", "3/14/2024", {}})});
    EXPECT_FALSE(onEditPage());

    choose(filter, "All");
    EXPECT_EQ(lines().size(), 2);
    EXPECT_TRUE(lines()[1].endsWith(" Pending"));
    choose(filter, "Rejected");
    EXPECT_EQ(lines(), QStringList{"None"});
    doubleClick(0);
    EXPECT_FALSE(onEditPage());
    EXPECT_EQ(state.lEstID, 0);
}

TEST_F(StatusFormsTest, DoubleClickShowsTheEstimateAndListsEachTypeOnce) {
    addRow("SmithGarage", {}, "Garage");
    const qint32 lee = addRow("LeeBarn", {}, "Barn", "Working", "2024-02-29", 45);
    addRow("NgShed", {}, "Shed", "Rejected");
    doubleClick(0);
    press(&board(), "cmdCancelUpdate");
    EXPECT_FALSE(onEditPage());
    doubleClick(0);
    press(&board(), "cmdCancelUpdate");
    doubleClick(1);
    ASSERT_TRUE(onEditPage());
    EXPECT_EQ(state.lEstID, lee);
    EXPECT_EQ(text("lblEstID"), QString::number(lee));
    EXPECT_EQ(text("lblEstName"), "LeeBarn");
    EXPECT_EQ(text("lblEstAddress"), "12 Elm St");
    EXPECT_EQ(text("txtDate"), "2/29/2024");
    EXPECT_EQ(text("txtLength"), "45");
    EXPECT_EQ(text("Combo1"), "Barn");
    EXPECT_EQ(get<QComboBox>(&board(), "Combo1")->count(), 3);
    EXPECT_TRUE(get<QRadioButton>(&board(), "optEstStatus_2")->isChecked());
    EXPECT_EQ(board().EstStatusIs(), "Working");

    board().close();
    EXPECT_EQ(state.lEstID, 0);
}

// A register row whose ID no estimate can have is listed as it stands, and an estimate deleted while the
// list was shown stays on it; a double click on either says why it cannot be opened and opens nothing,
// never the estimate whose ID is the row's cut to 32 bits.
TEST_F(StatusFormsTest, AnEstimateThatCannotBeOpenedSaysWhy) {
    const qint32 first = addRow("First", {});
    const qint32 gone = addRow("Gone", {});
    const struct {
        qint64 id;
        const char* name;
        QString message;
    } cases[] = {
        {4294967297, "Id4294967297", StatusTexts::kBadId.arg(4294967297)},
        {2147483648, "Id2147483648", StatusTexts::kBadId.arg(2147483648)},
        {0, "Id0", StatusTexts::kBadId.arg(0)},
        {-7, "Id-7", StatusTexts::kBadId.arg(-7)},
        {gone, "Gone", StatusTexts::kNotInRegister.arg(gone)},
    };
    for (const auto& c : cases) {
        if (c.id != gone)
            ctx->data.file(mast()).exec("insert into master(id,estname,eststatus)values(?,?,'Working')",
                                        {c.id, c.name});
    }
    const QStringList shown = lines();
    const auto rowOf = [&](const QString& name) {
        return int(std::find_if(shown.begin(), shown.end(),
                                [&](const QString& line) { return line.startsWith(name + " "); }) -
                   shown.begin());
    };
    ctx->data.file(mast()).exec("delete from master where id=?", {gone});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_LT(rowOf(c.name), shown.size());
        prompter.takeLog();
        doubleClick(rowOf(c.name));
        EXPECT_EQ(prompter.log(), QStringList{"message: Quorvex | " + c.message + " -> ok"});
        EXPECT_FALSE(onEditPage());
        EXPECT_EQ(state.lEstID, 0);
    }
    doubleClick(rowOf("First"));
    EXPECT_EQ(state.lEstID, first);
}

TEST_F(StatusFormsTest, AStatusThatIsNoneOfTheFourChoosesNoOption) {
    addRow("SmithGarage", {}, "Garage", "Working");
    const qint32 odd = addRow("LeeBarn", {}, "Barn", "Working");
    doubleClick(0);
    EXPECT_EQ(board().EstStatusIs(), "Working");
    press(&board(), "cmdCancelUpdate");
    setRegister(odd, "eststatus=?", {"Lost"});
    choose(get<QComboBox>(&board(), "cmbFilter"), "All");
    doubleClick(1);
    EXPECT_EQ(board().EstStatusIs(), "");
    press(&board(), "cmdUpdateStatus");
    EXPECT_EQ(master(odd, "eststatus"), QStringList{""});
}

TEST_F(StatusFormsTest, UpdateStoresTheChosenStatusAndReturnsToTheWorkingList) {
    const qint32 id = addRow("SmithGarage", {}, "Garage", "Pending");
    choose(get<QComboBox>(&board(), "cmbFilter"), "Pending");
    doubleClick(0);
    get<QRadioButton>(&board(), "optEstStatus_1")->click();
    get<QLineEdit>(&board(), "txtLength")->setText("60");
    press(&board(), "cmdUpdateStatus");
    EXPECT_EQ(master(id, "eststatus,estlength,estdate"), QStringList{"Accepted | 60 | 2024-03-14"});
    EXPECT_FALSE(onEditPage());
    EXPECT_EQ(get<QComboBox>(&board(), "cmbFilter")->currentText(), "Working");
    EXPECT_EQ(lines(), QStringList{"None"});
    EXPECT_TRUE(text("lblEstName").isEmpty() && text("txtDate").isEmpty() && text("Combo1").isEmpty());
    EXPECT_EQ(state.lEstID, id); // the board is still open
}

TEST_F(StatusFormsTest, ARefusedUpdateKeepsThePageAndFocusesTheBox) {
    const qint32 id = addRow("SmithGarage", {}, "Garage", "Working");
    doubleClick(0);
    get<QRadioButton>(&board(), "optEstStatus_1")->click();
    get<QLineEdit>(&board(), "txtDate")->setText("14.3.2024");
    press(&board(), "cmdUpdateStatus");
    settle();
    EXPECT_EQ(prompter.lastText(), "This field must be a date, such as 3/14/2024.");
    EXPECT_TRUE(onEditPage());
    EXPECT_EQ(focusName(&board()), "txtDate");
    EXPECT_EQ(master(id, "eststatus,estdate"), QStringList{"Working | 2024-03-14"});
}

TEST_F(StatusFormsTest, BoxesTurnYellowWithTheFocusAndALongTypeIsRefusedWhenLeft) {
    addRow("SmithGarage", {}, "Garage");
    doubleClick(0);
    auto* length = get<QLineEdit>(&board(), "txtLength");
    length->setFocus();
    settle();
    EXPECT_EQ(base(length), kYellow);
    EXPECT_EQ(length->selectedText(), "30");
    get(&board(), "txtDate")->setFocus();
    settle();
    EXPECT_EQ(base(length), QColor(Qt::white));
    EXPECT_EQ(base(get(&board(), "txtDate")), kYellow);

    auto* type = get<QComboBox>(&board(), "Combo1");
    type->setEditText(QString(26, 'a'));
    leave(type);
    EXPECT_EQ(prompter.lastText(), "This field cannot be longer than 25 characters.");
    EXPECT_TRUE(type->currentText().isEmpty());
    EXPECT_EQ(focusName(&board()), "Combo1");
}

TEST_F(StatusFormsTest, DeleteCancelledStaysOnTheEditPageAndOkClosesTheBoard) {
    const qint32 id = makeEstimate("Smith", "Garage");
    doubleClick(0);
    prompter.queueAnswer(Prompter::Answer::Cancel);
    press(&board(), "cmdDeleteStatus");
    EXPECT_TRUE(onEditPage());
    EXPECT_TRUE(board().isVisible());
    EXPECT_TRUE(folderExists("SmithGarage"));

    prompter.queueAnswer(Prompter::Answer::Ok);
    press(&board(), "cmdDeleteStatus");
    EXPECT_FALSE(board().isVisible());
    EXPECT_EQ(board().result(), QDialog::Accepted);
    EXPECT_TRUE(master(id, "id").isEmpty());
    EXPECT_FALSE(folderExists("SmithGarage"));
    EXPECT_EQ(state.lEstID, 0);
}

TEST_F(StatusFormsTest, EditOwnerInfoShowsTheOwnerAndCancelChangesNothing) {
    makeEstimate("Lee", "Barn");
    const qint32 id = makeEstimate("Smith", "Garage");
    doubleClick(1);
    QStringList shown;
    const bool opened = onDialog(
        [&](QDialog& owner) {
            EXPECT_EQ(owner.windowTitle(), "Owner Detail");
            shown << get<QLineEdit>(&owner, "txtEstName")->text();
            for (const char* name : {"txtName_0", "txtName_2", "txtName_5"})
                shown << get<QLineEdit>(&owner, name)->text();
            get<QLineEdit>(&owner, "txtName_2")->setText("9 Oak Ave");
            get<QLineEdit>(&owner, "txtEstName")->setText("Renamed");
            press(&owner, "cmdCancel");
        },
        [&] { press(&board(), "cmdEditOwner"); });
    EXPECT_TRUE(opened);
    EXPECT_EQ(shown, (QStringList{"SmithGarage", "John", "12 Elm St", ""}));
    EXPECT_FALSE(board().isVisible());
    EXPECT_EQ(state.lEstID, 0);
    EXPECT_EQ(master(id, "estaddress,estname"), QStringList{"12 Elm St | SmithGarage"});
    EXPECT_EQ(rows(estimateFile("SmithGarage"), "select address from main"), QStringList{"12 Elm St"});
}

TEST_F(StatusFormsTest, OwnerUpdateKeepsRegisterAndEstimateFileInStep) {
    const qint32 id = makeEstimate("Smith", "Garage");
    doubleClick(0);
    onDialog(
        [&](QDialog& owner) {
            auto* first = get<QLineEdit>(&owner, "txtName_0");
            first->setFocus();
            settle();
            EXPECT_EQ(base(first), kYellow);
            first->clear();
            press(&owner, "cmdUpdate");
            settle();
            EXPECT_EQ(prompter.lastText(), "This field may not be blank.");
            EXPECT_TRUE(owner.isVisible());
            first->setText("Jane");
            get<QLineEdit>(&owner, "txtName_2")->setText("9 Oak Ave");
            get<QLineEdit>(&owner, "txtEstName")->setText("Renamed");
            press(&owner, "cmdUpdate");
        },
        [&] { press(&board(), "cmdEditOwner"); });
    EXPECT_EQ(master(id, "estaddress,estname"), QStringList{"9 Oak Ave | SmithGarage"});
    EXPECT_EQ(rows(estimateFile("SmithGarage"), "select fname,address from main"),
              QStringList{"Jane | 9 Oak Ave"});
}

} // namespace qxtest
