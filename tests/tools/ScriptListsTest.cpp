#include "ScriptLists.h"
#include "Script.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qx::uidrive;

namespace {

class ScriptLists : public ::testing::Test {
protected:
    void writeList(const QByteArray& content) {
        QFile file(dir.filePath("inputs.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    ExpandedScript expand(const QString& script) { return expandEachBlocks(script, dir.path()); }

    QTemporaryDir dir;
};

TEST_F(ScriptLists, ABlockRunsOnceForEveryEntryWithItsNameHowAndText) {
    writeList("# a note\n"
              "quote\ttype\tO'Neil \\t \"x\"\n"
              "\n"
              "long\tpaste\tab\t3\n");
    const ExpandedScript out = expand("click cmdOkay\n"
                                      "each inputs.txt\n"
                                      "echo == {name}\n"
                                      "{how} txtName {text}\n"
                                      "end\n"
                                      "close\n");
    ASSERT_EQ(out.error, QString());
    const Script script = parseScript(out.content);
    ASSERT_EQ(script.error, QString());
    ASSERT_EQ(script.steps.size(), 6);
    EXPECT_EQ(script.steps[1].name, "== quote");
    EXPECT_EQ(script.steps[2].command, Command::Type);
    EXPECT_EQ(script.steps[2].text, "O'Neil \t \"x\"");
    EXPECT_EQ(script.steps[4].command, Command::Paste);
    EXPECT_EQ(script.steps[4].text, "ababab");
    EXPECT_EQ(script.steps[5].command, Command::Close);
}

TEST_F(ScriptLists, AListOrBlockThatCannotBeReadStopsTheScriptBeforeAnyStep) {
    writeList("name-only\n");
    EXPECT_NE(expand("each inputs.txt\nend\n").error, QString());
    writeList("a\tshout\tx\n");
    EXPECT_NE(expand("each inputs.txt\nend\n").error, QString());
    writeList("a\ttype\tx\t0\n");
    EXPECT_NE(expand("each inputs.txt\nend\n").error, QString());
    writeList("a\ttype\tx\n");
    EXPECT_NE(expand("each missing.txt\nend\n").error, QString());
    EXPECT_NE(expand("each inputs.txt\necho {name}\n").error, QString());
    EXPECT_NE(expand("each inputs.txt\neach inputs.txt\nend\nend\n").error, QString());
    EXPECT_EQ(expand("each inputs.txt\necho {name}\nend\n").content, "echo a\n");
}

TEST(ScriptParsing, CloseMayNameTheDialogAndPasteTakesATextAsTypeDoes) {
    const Script script = parseScript("close frmAreas\nclose\npaste txtName   two  \necho == a b\n");
    ASSERT_EQ(script.error, QString());
    ASSERT_EQ(script.steps.size(), 4);
    EXPECT_EQ(script.steps[0].name, "frmAreas");
    EXPECT_EQ(script.steps[1].name, "");
    EXPECT_EQ(script.steps[2].text, "  two  ");
    EXPECT_EQ(script.steps[3].name, "== a b");
}

} // namespace
