#include "LinesFixture.h"

#include "lines/SectionOrder.h"

namespace {

using namespace qxtest;
using qx::Section;

TEST_F(LinesTest, SectionsAreNumberedFromZeroAndANameTheEstimateHasSelectsThatSection) {
    EXPECT_EQ(sections->AddSection("Roof"), Section({"Roof", 0}));
    EXPECT_EQ(sections->AddSection("Gutters"), Section({"Gutters", 1}));
    EXPECT_EQ(sections->AddSection(" roof "), Section({"Roof", 0}));
    EXPECT_EQ(sections->list(), QList<Section>({{"Roof", 0}, {"Gutters", 1}}));
}

TEST_F(LinesTest, ANewSectionTakesOneMoreThanTheHighestNumber) {
    ctx->data.file(temp()).exec("insert into tempsect(secdesc,secorder) values('Roof',3)");
    EXPECT_EQ(sections->AddSection("Gutters"), Section({"Gutters", 4}));
}

TEST_F(LinesTest, TypedNamesAreRememberedOnceAndChosenOnesAreNot) {
    const QStringList before = sections->rememberedNames();
    EXPECT_EQ(sections->save("Skylights", false), Section({"Skylights", 0}));
    EXPECT_EQ(sections->save("skylights", false), Section({"Skylights", 0}));
    EXPECT_EQ(sections->save("Chimney", true), Section({"Chimney", 1}));
    EXPECT_EQ(sections->rememberedNames(), before + QStringList({"Skylights"}));
}

TEST_F(LinesTest, BlankAddAndOverlongNamesMakeNoSection) {
    struct Case {
        QString name;
        QString message; // "" when nothing is shown
    } cases[] = {
        {"", ""},
        {"   ", ""},
        {QString::fromUtf16(u"\u200B\u00A0\u3000"), ""},
        {"Add", "\"Add\" adds a new section and cannot be a section's name. Please type another."},
        {" add ", "\"Add\" adds a new section and cannot be a section's name. Please type another."},
        {QString(51, 'x'), "This field cannot be any longer than 50 characters."},
    };
    for (const Case& c : cases) {
        const int shown = prompter.messageCount();
        EXPECT_FALSE(sections->save(c.name, false).has_value()) << qPrintable(c.name);
        EXPECT_EQ(prompter.messageCount(), shown + (c.message.isEmpty() ? 0 : 1));
        if (!c.message.isEmpty()) {
            EXPECT_EQ(prompter.lastText(), c.message);
        }
    }
    EXPECT_TRUE(sections->list().isEmpty());
    EXPECT_EQ(sections->save(QString(50, 'x'), false)->name.size(), 50);
    // Lengths count characters as the database does: 50 emoji fit, 51 do not.
    QString house;
    for (int i = 0; i < 50; ++i)
        house += QString::fromUtf16(u"\U0001F3E0");
    EXPECT_EQ(sections->save(house, false), Section({house, 1}));
    EXPECT_FALSE(sections->save(house + "x", false).has_value());
    EXPECT_EQ(
        sections->save(QString::fromUtf16(u"\u200B Roof's \"best\"; drop table tempsect; --"), false)->name,
        "Roof's \"best\"; drop table tempsect; --");
}

TEST_F(LinesTest, RenumberingDropsEmptySectionsAndClosesTheGaps) {
    add("A", 1, "a", "Fee", 1, 100);
    sections->AddSection("Empty");
    add("B", 2, "b", "Fee", 1, 100);
    add("C", 3, "c", "Fee", 1, 100);
    ASSERT_TRUE(lines->AddLineItem(qx::LineItems::Change::Delete, 2));
    sections->renumber();
    EXPECT_EQ(sections->list(), QList<Section>({{"A", 0}, {"C", 1}}));
    EXPECT_EQ(rows(temp(), "select sect,secorder from tplineitems order by autoid"),
              QStringList({"A | 0", "C | 1"}));
}

class ReorderTest : public LinesTest {
protected:
    void SetUp() override {
        LinesTest::SetUp();
        add("A", 1, "a1", "Fee", 1, 100);
        add("A", 2, "a2", "Fee", 1, 100);
        add("B", 3, "b", "Fee", 1, 100);
        add("C", 4, "c", "Fee", 1, 100);
        order = std::make_unique<qx::SectionOrder>(*ctx, state, *lines);
        ASSERT_TRUE(order->open());
    }
    QStringList names() {
        QStringList out;
        for (const qx::SortEntry& e : order->entries())
            out << e.name;
        return out;
    }
    QStringList headings() {
        QStringList out;
        for (const QString& row : grid())
            if (row.startsWith(" | ") && !row.contains("Total for") && !row.contains("*"))
                out << row.section(" | ", 1, 1);
        return out;
    }
    std::unique_ptr<qx::SectionOrder> order;
};

TEST_F(ReorderTest, ASwapExchangesTwoPlacesAndCommitWritesThem) {
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(order->orderChoices(), QStringList({"0", "1", "2"}));
    ASSERT_TRUE(order->swap(order->entries().at(0).key, 0, 2));
    EXPECT_EQ(names(), QStringList({"C", "B", "A"}));
    ASSERT_TRUE(order->swap(order->entries().at(1).key, 1, 1));
    EXPECT_EQ(names(), QStringList({"C", "B", "A"}));
    ASSERT_TRUE(order->commit());
    EXPECT_EQ(headings(), QStringList({"C", "B", "A"}));
    EXPECT_EQ(grid().at(9), "1 | a1 | Fee | 1 | ea | 10000 | 10000 | ");
    EXPECT_EQ(rows(temp(), "select sect,secorder from tplineitems order by autoid"),
              QStringList({"A | 2", "A | 2", "B | 1", "C | 0"}));
    EXPECT_EQ(rows(temp(), "select secdesc,secorder from tempsect order by autoid"),
              QStringList({"A | 2", "B | 1", "C | 0"}));
    EXPECT_TRUE(rows(temp(), "select name from sqlite_master where name='SectSort'").isEmpty());
}

TEST_F(ReorderTest, CancelAfterSwapsChangesNothing) {
    const QStringList before = grid();
    order->swap(order->entries().at(0).key, 0, 1);
    order->swap(order->entries().at(2).key, 2, 0);
    order->cancel();
    EXPECT_EQ(grid(), before);
    EXPECT_EQ(rows(temp(), "select secorder from tplineitems order by autoid"),
              QStringList({"0", "0", "1", "2"}));
    EXPECT_TRUE(rows(temp(), "select name from sqlite_master where name='SectSort'").isEmpty());
}

TEST_F(ReorderTest, ALeftoverScratchTableNeverBlocksTheNextOpening) {
    // The dialog closed without Cancel or Commit: SectSort is still there.
    qx::SectionOrder again(*ctx, state, *lines);
    ASSERT_TRUE(again.open());
    EXPECT_EQ(again.entries().size(), 3);
}

} // namespace
