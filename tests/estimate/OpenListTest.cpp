#include "QtPrinters.h"
#include "TestFolders.h"

#include "estimate/OpenList.h"
#include "estimate/frmOpenEst.h"

#include <QDate>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace qx;

namespace {

TEST(OpenListRows, RowsAreBuiltFromTheFieldsInFixedColumns) {
    struct Case {
        ListKind kind;
        QStringList fields;
        QString row;
    } cases[] = {
        {ListKind::Wait, {"SmithGarage", "12 Elm St"}, "SmithGarage           12 Elm St"},
        // The name is cut to 20 characters, the address to 28.
        {ListKind::Wait,
         {"AVeryLongEstimateNameIndeed", "1234 Extraordinarily Long Boulevard"},
         "AVeryLongEstimateNam  1234 Extraordinarily Long Bo"},
        // A "*" or "#" inside a value stays where it is and moves no column.
        {ListKind::Wait, {"Apt*4", "Unit #2*B"}, "Apt*4                 Unit #2*B"},
        {ListKind::Expire,
         {"SmithGarage", "Expires in 30 days"},
         "SmithGarage               Expires in 30 days        "},
        {ListKind::Expire,
         {"Jones#Roof", "**EXPIRED**"},
         "Jones#Roof               **EXPIRED**               "},
        {ListKind::Accept,
         {"SmithGarage", "12 Elm St", "3/9/2024"},
         "SmithGarage      12 Elm St         3/9/2024  "},
        {ListKind::Reject,
         {"AVeryLongEstimateNameIndeed", "1234 Extraordinarily Long", "12/31/2024"},
         "AVeryLongEstimat 1234 Extraordinar 12/31/2024"},
        // A line break inside an address shows as a blank; emoji count as one character each.
        {ListKind::Wait, {"Ann\U0001F600", "1 A St\nB"}, "Ann\U0001F600                  1 A St B"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildListItem(c.kind, c.fields), c.row) << c.fields.join('|').toStdString();
}

TEST(OpenListRows, ExpiryTextByDaysLeft) {
    const QDate today(2024, 5, 10);
    struct Case {
        QDate estDate;
        int length;
        int days;
        std::optional<QString> text;
    } cases[] = {
        {today, 30, 30, "Expires in 30 days"},
        {today, 0, 0, "**EXPIRED**"},
        {today, 90, 90, std::nullopt},
        {today, 59, 59, "Expires in 59 days"},
        {today, 60, 60, std::nullopt},
        {today.addDays(-29), 30, 1, "Expires in 1 days"},
        {today.addDays(-40), 30, -10, "**EXPIRED**"},
        {QDate(), 30, 0, "**EXPIRED**"},
    };
    for (const Case& c : cases) {
        const int days = daysLeft(c.estDate, c.length, today);
        EXPECT_EQ(days, c.days);
        EXPECT_EQ(expiryText(days), c.text) << c.length;
    }
}

class OpenListTest : public qxtest::ProgramFolderTest {
protected:
    void add(const QString& name, const QString& status, const QDate& date, int length = 30,
             const QString& address = "1 Main St") {
        ctx->data.file(mast()).exec(
            "insert into master(estname,estaddress,estdate,esttype,eststatus,estlength,"
            "estpath) values(?,?,?,'Reroof',?,?,?)",
            {name, address, date.toString(Qt::ISODate), status, length,
             ProgramFolder::storedEstimatePath(name)});
    }
    static QStringList texts(const QList<ListRow>& rows) {
        QStringList out;
        for (const ListRow& row : rows)
            out << QString("%1:%2").arg(row.id).arg(row.text.trimmed());
        return out;
    }
    const QDate today = QDate::currentDate();
};

TEST_F(OpenListTest, ListsGroupTheRegisterByStatusOldestFirst) {
    add("Later", "Working", today);
    add("Earlier", "Working", today.addDays(-3));
    add("Thirty", "Pending", today, 30);
    add("Zero", "Pending", today, 0);
    add("Ninety", "Pending", today, 90);
    add("Won", "Accepted", QDate(2024, 3, 9), 30, "9 Oak Ave");

    const EstLists lists = OpenList(ctx->data, mast()).load(today);
    EXPECT_EQ(texts(lists[0]),
              QStringList({"2:Earlier               1 Main St", "1:Later                 1 Main St"}));
    // Each Pending estimate is followed by a blank separator; one with 60 or more days left has no row.
    EXPECT_EQ(texts(lists[1]), QStringList({"3:Thirty               Expires in 30 days",
                                            "0:", "4:Zero               **EXPIRED**", "0:", "0:"}));
    EXPECT_EQ(lists[1].at(1).text, " ");
    EXPECT_EQ(texts(lists[2]), QStringList({"6:Won              9 Oak Ave         3/9/2024"}));
    EXPECT_EQ(texts(lists[3]), QStringList({"0:None"}));
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(OpenListTest, AnEmptyRegisterShowsNoneEverywhere) {
    for (const QList<ListRow>& list : OpenList(ctx->data, mast()).load(today))
        EXPECT_EQ(list, QList<ListRow>({{"None", 0}}));
}

TEST_F(OpenListTest, AnUnreadableRegisterIsReportedAndListsNone) {
    ctx->data.file(mast()).exec("drop table master");
    const EstLists lists = OpenList(ctx->data, mast()).load(today);
    EXPECT_EQ(lists[0], QList<ListRow>({{"None", 0}}));
    EXPECT_TRUE(
        prompter.lastText().startsWith("Error 1 (no such table: master) in procedure Form_Load of Form "
                                       "frmOpenEst"))
        << prompter.lastText().toStdString();
}

class OpenDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        lists[0] = {{"SmithGarage  12 Elm St", 7}};
        lists[1] = {{"Jones    **EXPIRED**", 9}, {" ", 0}};
        lists[2] = {{"None", 0}};
        lists[3] = {{"None", 0}};
        dialog = std::make_unique<frmOpenEst>(lists);
        dialog->show();
    }
    QListWidget* list(int i) { return dialog->findChild<QListWidget*>(QString("lstEstList_%1").arg(i)); }
    void doubleClick(int listIndex, int row) {
        QListWidget* l = list(listIndex);
        l->setCurrentRow(row);
        emit l->itemDoubleClicked(l->item(row));
    }
    EstLists lists;
    std::unique_ptr<frmOpenEst> dialog;
};

TEST_F(OpenDialogTest, ShowsFourListsOnTwoTabsInAFixedPitchFont) {
    EXPECT_EQ(dialog->windowTitle(), "Open Existing");
    auto* tabs = dialog->findChild<QTabWidget*>("tabEstLists");
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs->tabText(0), "Working/Pending");
    EXPECT_EQ(tabs->tabText(1), "Accepted/Rejected");
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(list(i)) << i;
        EXPECT_TRUE(QFontInfo(list(i)->font()).fixedPitch()) << i;
    }
    EXPECT_EQ(list(1)->count(), 2);
    EXPECT_EQ(list(1)->item(0)->data(Qt::UserRole).toInt(), 9);
}

TEST_F(OpenDialogTest, DoubleClickingAnEstimateChoosesIt) {
    doubleClick(1, 0);
    EXPECT_EQ(dialog->chosenId(), 9);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(OpenDialogTest, NoneAndSeparatorRowsOpenNothing) {
    doubleClick(2, 0);
    doubleClick(1, 1);
    EXPECT_EQ(dialog->chosenId(), 0);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(OpenDialogTest, CancelAndTheWindowFrameChooseNothing) {
    list(0)->setCurrentRow(0);
    dialog->findChild<QPushButton*>("cmdClose")->click();
    EXPECT_EQ(dialog->chosenId(), 0);
    EXPECT_FALSE(dialog->isVisible());
    dialog->show();
    dialog->close();
    EXPECT_EQ(dialog->chosenId(), 0);
}

} // namespace
