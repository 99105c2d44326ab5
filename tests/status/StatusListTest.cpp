#include "status/StatusList.h"
#include "StatusFixture.h"

using namespace qx;

namespace qxtest {

namespace {

struct LineCase {
    const char* what;
    QString filter;
    ListFields fields;
    QString expected;
};

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

const QString kForty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn");

} // namespace

TEST(StatusListLines, ColumnsHaveTheirWidthsWhateverTheFieldsHold) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8F\xA0"); // one character, two UTF-16 units
    const LineCase cases[] = {
        {"short name under a status",
         "Working",
         {"SmithGarage", "3/14/2024", {}},
         "SmithGarage" + blanks(18) + " 3/14/2024 "},
        {"40 characters cut to 29", "Pending", {kForty, "12/31/2024", {}}, kForty.left(29) + " 12/31/2024"},
        {"40 characters cut to 21 under All",
         "All",
         {kForty, "12/31/2024", "Pending"},
         kForty.left(21) + " 12/31/2024 Pending"},
        {"Accepted fits the status column",
         "All",
         {"Lee", "1/2/2024", "Accepted"},
         "Lee" + blanks(18) + " 1/2/2024   Accepted"},
        {"a longer status is cut to 8",
         "All",
         {"Lee", "1/2/2024", "Rejected!!"},
         "Lee" + blanks(18) + " 1/2/2024   Rejected"},
        {"# in a name never shifts a column",
         "All",
         {"A#B#C", "1/2/2024", "Working"},
         "A#B#C" + blanks(16) + " 1/2/2024   Working"},
        {"* in a name never shifts a column",
         "Working",
         {"A*B", "1/2/2024", {}},
         "A*B" + blanks(26) + " 1/2/2024  "},
        {"an empty name and date keep their columns",
         "All",
         {{}, {}, "Working"},
         blanks(21) + " " + blanks(10) + " Working"},
        {"a wide character counts once",
         "Working",
         {emoji + "Lee", "1/2/2024", {}},
         emoji + "Lee" + blanks(25) + " 1/2/2024  "},
        {"a line break becomes a blank",
         "Working",
         {"Lee\nBarn", "1/2/2024", {}},
         "Lee Barn" + blanks(21) + " 1/2/2024  "},
    };
    for (const LineCase& c : cases) {
        const QString line = StatusList::BuildListItem(c.filter, c.fields);
        EXPECT_EQ(line, c.expected) << c.what;
        if (c.filter != "All") {
            EXPECT_EQ(line.toUcs4().size(), 40) << c.what;
        }
    }
}

TEST_F(StatusTest, AnEmptyRegisterShowsNoneUnderEveryFilter) {
    StatusList list(ctx->data, mast());
    EXPECT_EQ(StatusList::PopFilter(), (QStringList{"Working", "Pending", "Accepted", "Rejected", "All"}));
    for (const QString& filter : StatusList::PopFilter()) {
        const QList<BoardLine> lines = list.PopList(filter);
        ASSERT_EQ(lines.size(), 1) << filter.toStdString();
        EXPECT_EQ(lines[0].text, "None");
        EXPECT_FALSE(lines[0].id);
    }
}

TEST_F(StatusTest, ListsTheEstimatesOfAStatusWithTheirIdsAndShortDates) {
    const qint32 smith = addRow("SmithGarage", {}, "Garage", "Pending", "2024-03-14");
    const qint32 lee = addRow("LeeBarn", {}, "Barn", "Accepted", "2023-12-01");
    const qint32 ng = addRow("NgShed", {}, "Shed", "Pending", "2024-01-05");
    StatusList list(ctx->data, mast());

    const QList<BoardLine> pending = list.PopList("Pending");
    ASSERT_EQ(pending.size(), 2);
    EXPECT_EQ(pending[0].id, smith);
    EXPECT_EQ(pending[0].text, StatusList::BuildListItem("Pending", {"SmithGarage", "3/14/2024", {}}));
    EXPECT_EQ(pending[1].id, ng);
    EXPECT_EQ(pending[1].text, StatusList::BuildListItem("Pending", {"NgShed", "1/5/2024", {}}));
    EXPECT_EQ(list.PopList("Working")[0].text, "None");

    const QList<BoardLine> all = list.PopList("All");
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[1].id, lee);
    EXPECT_EQ(all[1].text, StatusList::BuildListItem("All", {"LeeBarn", "12/1/2023", "Accepted"}));
}

TEST_F(StatusTest, ADateThatIsNoDateIsListedAsStoredAndAMissingOneAsBlanks) {
    addRow("SmithGarage", {}, "Garage", "Working", "someday");
    setRegister(addRow("LeeBarn", {}), "estdate=NULL", {});
    const QList<BoardLine> lines = StatusList(ctx->data, mast()).PopList("Working");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].text, StatusList::BuildListItem("Working", {"SmithGarage", "someday", {}}));
    EXPECT_EQ(lines[1].text, "LeeBarn" + blanks(22) + " " + blanks(10));
}

} // namespace qxtest
