#include "LinesFixture.h"

#include "costs/ItemTags.h"
#include "data/InputRules.h"

namespace {

using namespace qxtest;
using qx::LineItems;
using qx::Money;

const QString kSep = QStringLiteral("     * * * * * * * * * *");

TEST_F(LinesTest, TwoSectionsMakeNineRowsWithLinesByAscendingItemId) {
    add("Roof", 20, "Shingles", "Material", 3, 4599);
    add("Gutters", 5, "Gutter", "Material", 10, 250);
    add("Roof", 9, "Nails", "Material", 1, 1200);
    EXPECT_EQ(
        grid(),
        QStringList({" | Roof |  |  |  |  |  | ", "3 | Nails | Material | 1 | ea | 120000 | 120000 | ",
                     "1 | Shingles | Material | 3 | ea | 459900 | 1379700 | ",
                     " | Total for Roof |  |  |  |  |  | 1499700", " | " + kSep + " |  |  |  |  |  | ",
                     " | Gutters |  |  |  |  |  | ", "2 | Gutter | Material | 10 | ea | 25000 | 250000 | ",
                     " | Total for Gutters |  |  |  |  |  | 250000", " | " + kSep + " |  |  |  |  |  | "}));
}

TEST_F(LinesTest, LinesWithTheSameItemKeepTheOrderTheyWereAdded) {
    add("Roof", 4, "First", "Labor", 1, 100);
    add("Roof", 4, "Second", "Labor", 1, 100);
    add("Roof", 1, "Third", "Labor", 1, 100);
    const QStringList rows = grid();
    ASSERT_EQ(rows.size(), 6);
    EXPECT_TRUE(rows[1].startsWith("3 | Third"));
    EXPECT_TRUE(rows[2].startsWith("1 | First"));
    EXPECT_TRUE(rows[3].startsWith("2 | Second"));
}

TEST_F(LinesTest, DeletingTheOnlyLineOfASectionRemovesItsHeadingSubtotalAndSeparator) {
    add("Roof", 1, "Shingles", "Material", 1, 100);
    add("Gutters", 2, "Gutter", "Material", 1, 100);
    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Delete, 2));
    EXPECT_EQ(grid(),
              QStringList({" | Roof |  |  |  |  |  | ", "1 | Shingles | Material | 1 | ea | 10000 | 10000 | ",
                           " | Total for Roof |  |  |  |  |  | 10000", " | " + kSep + " |  |  |  |  |  | "}));
    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Delete, 1));
    EXPECT_TRUE(grid().isEmpty());
}

TEST_F(LinesTest, EditReplacesTheLineAndMovesItToTheChosenSection) {
    add("Roof", 1, "Shingles", "Material", 1, 100);
    add("Gutters", 2, "Gutter", "Material", 1, 100);
    qx::PendingLine& p = lines->pending();
    p.secOrder = 1;
    p.sect = "Gutters";
    p.qty = 4;
    p.lineTotal = qx::lineTotalOf(4, p.cost);
    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Edit, 1));
    EXPECT_EQ(rows(temp(), "select autoid,sect,secorder,qty,linetotal from tplineitems order by autoid"),
              QStringList({"1 | Gutters | 1 | 4 | 40000", "2 | Gutters | 1 | 1 | 10000"}));
    EXPECT_EQ(grid().size(), 5);
}

TEST_F(LinesTest, ANameWithAnApostropheIsStoredShownAndSavedIntact) {
    add("O'Neil's roof", 1, "Owens' 'Duration'", "Material", 2, 3333);
    EXPECT_EQ(grid().at(0), " | O'Neil's roof |  |  |  |  |  | ");
    EXPECT_TRUE(grid().at(1).startsWith("1 | Owens' 'Duration' | Material"));
    EXPECT_EQ(grid().at(2), " | Total for O'Neil's roof |  |  |  |  |  | 666600");
    const qx::Conn est = makeEstimateFile("Test");
    for (const qx::WorkingLine& line : lines->workingLines())
        qx::SaveLineItem(ctx->data.file(est), line);
    EXPECT_EQ(rows(est, "select sect,name from lineitems"),
              QStringList({"O'Neil's roof | Owens' 'Duration'"}));
}

TEST_F(LinesTest, ALongSectionNameStillGetsItsSubtotalRow) {
    const QString name(50, QChar(0x00E9));
    add(name, 1, "Shingles", "Material", 1, 100);
    EXPECT_EQ(grid().at(2), " | Total for " + name + " |  |  |  |  |  | 10000");
}

TEST_F(LinesTest, EditLineChecksTheIdAgainstTheGridRows) {
    add("Roof", 1, "Shingles", "Material", 1, 100);
    EXPECT_TRUE(lines->lineExists(1));
    EXPECT_FALSE(lines->lineExists(2));
    EXPECT_FALSE(lines->lineExists(0));
}

TEST_F(LinesTest, AFailedChangeIsReportedAndChangesNothing) {
    add("Roof", 1, "Shingles", "Material", 1, 100);
    lines->pending().name = QString(51, 'x');
    EXPECT_FALSE(lines->AddLineItem(LineItems::Change::Add));
    EXPECT_TRUE(prompter.lastText().endsWith("in procedure AddLineItem of Module modGrid"));
    EXPECT_EQ(rows(temp(), "select count(*) from tplineitems"), QStringList({"1"}));
    EXPECT_EQ(grid().size(), 4);
}

TEST_F(LinesTest, AFailedGridRebuildIsReportedAsTheRebuildsAndUndoesTheChange) {
    add("Roof", 1, "Shingles", "Material", 1, 100);
    ctx->data.file(temp()).exec(QStringLiteral("drop table estigrid"));
    EXPECT_FALSE(lines->AddLineItem(LineItems::Change::Add));
    EXPECT_TRUE(prompter.lastText().endsWith("in procedure RePopGrid of Module modGrid"));
    EXPECT_EQ(rows(temp(), "select count(*) from tplineitems"), QStringList({"1"}));
}

TEST_F(LinesTest, SaveInsertsNewLinesUpdatesStoredOnesAndRewritesVanishedOnesUnderTheirKeys) {
    add("Roof", 1, "Shingles", "Material", 1, 100);
    add("Roof", 2, "Nails", "Material", 2, 100);
    const qx::Conn est = makeEstimateFile("Test");
    qx::Database& file = ctx->data.file(est);
    file.exec("insert into lineitems(id,name) values(40,'Old')");
    file.exec("delete from lineitems");
    // New lines go above every key the file ever gave, each under the base plus its autoID.
    const qint32 base = qx::newLineKeyBase(file, 2);
    EXPECT_EQ(base, 40);
    for (const qx::WorkingLine& line : lines->workingLines())
        EXPECT_EQ(qx::SaveLineItem(file, line, qx::newLineKey(base, line)), 40 + line.autoId);
    lines->rememberStoredKeys(base);
    EXPECT_EQ(rows(temp(), "select autoid,lineitemid from tplineitems order by autoid"),
              QStringList({"1 | 41", "2 | 42"}));

    file.exec("delete from lineitems where id=42");
    QList<qx::WorkingLine> working = lines->workingLines();
    working[0].qty = 5;
    EXPECT_EQ(qx::SaveLineItem(file, working[0]), 41);
    EXPECT_EQ(qx::SaveLineItem(file, working[1]), 42);
    EXPECT_EQ(rows(est, "select id,name,qty,itemtable,secorder,cost,linetotal from lineitems order by id"),
              QStringList({"41 | Shingles | 5 | Material | 0 | 10000 | 10000",
                           "42 | Nails | 2 | Material | 0 | 10000 | 20000"}));
}

TEST_F(LinesTest, DeletingAStoredLineRemovesItFromTheEstimateFileAtOnce) {
    state.sOpenMode = qx::WorkState::kOpen;
    state.sEstConn = makeEstimateFile("Test");
    add("Roof", 1, "Shingles", "Material", 1, 100);
    add("Roof", 2, "Nails", "Material", 1, 100);
    qx::Database& file = ctx->data.file(state.sEstConn);
    for (const qx::WorkingLine& line : lines->workingLines())
        qx::SaveLineItem(file, line);
    lines->rememberStoredKeys(0);
    add("Roof", 3, "Never stored", "Material", 1, 100);

    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Delete, 1));
    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Delete, 3));
    EXPECT_EQ(rows(state.sEstConn, "select id,name from lineitems"), QStringList({"2 | Nails"}));
    EXPECT_EQ(rows(temp(), "select autoid from tplineitems"), QStringList({"2"}));
}

} // namespace

TEST_F(LinesTest, ALineThatWouldTakeTheEstimateTotalBeyondWhatItHoldsIsRefusedAndNotStored) {
    totals->PopAdmin(); // 1.32 times the lines plus $100
    add("Roof", 1, "Tiles", "Material", 1000, 50'000'000'000);
    qx::PendingLine& p = lines->pending();
    p.qty = 1000;
    p.cost = Money::fromWhole(300'000'000);
    p.lineTotal = qx::lineTotalOf(p.qty, p.cost);
    const QString beyond = qx::estimateTotalRangeMessage();
    EXPECT_EQ(lines->lineRefusal(LineItems::Change::Add), beyond);
    EXPECT_FALSE(lines->AddLineItem(LineItems::Change::Add));
    EXPECT_EQ(prompter.lastText(), beyond);
    EXPECT_EQ(rows(temp(), "select count(*), sum(linetotal) from tplineitems"),
              QStringList({"1 | 5000000000000000"}));
    EXPECT_EQ(totals->lineTotal(), Money::fromWhole(500'000'000'000));
    // In place of the line it edits, the same figures fit.
    EXPECT_FALSE(lines->lineRefusal(LineItems::Change::Edit, 1));
    ASSERT_TRUE(lines->AddLineItem(LineItems::Change::Edit, 1));
    EXPECT_EQ(totals->estimateTotal(), Money::fromWhole(396'000'000'100));
    EXPECT_FALSE(lines->lineRefusal(LineItems::Change::Delete, 1));
}
