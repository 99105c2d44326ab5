#include "Script.h"

#include <gtest/gtest.h>

using namespace qx::uidrive;

namespace {

// The one step a one-line script reads as.
Step stepOf(const QString& line) {
    const Script script = parseScript(line);
    EXPECT_EQ(script.error, QString()) << line.toStdString();
    EXPECT_EQ(script.steps.size(), 1) << line.toStdString();
    return script.steps.value(0);
}

TEST(ScriptParsing, OnlyALineStartingWithAHashIsAComment) {
    const Script script = parseScript(QStringLiteral("# a note\n"
                                                     "\n"
                                                     "   \t# an indented note\n"
                                                     "click Save #2\n"
                                                     "type txtName Bob #1 # still text\n"));
    ASSERT_EQ(script.error, QString());
    ASSERT_EQ(script.steps.size(), 2);
    EXPECT_EQ(script.steps[0].line, 4);
    EXPECT_EQ(script.steps[0].name, "Save #2");
    EXPECT_EQ(script.steps[1].line, 5);
    EXPECT_EQ(script.steps[1].text, "Bob #1 # still text");
}

TEST(ScriptParsing, TextIsEverythingAfterTheBlankThatEndsTheName) {
    EXPECT_EQ(stepOf("type txtName   two  blanks  ").text, "  two  blanks  ");
    EXPECT_EQ(stepOf("  type  txtName x").name, "txtName");
    EXPECT_EQ(stepOf("select cboType Hip Roof").text, "Hip Roof");
    // No text empties the box.
    EXPECT_EQ(stepOf("type txtName").text, "");
    // A script saved with Windows line ends types no carriage return.
    EXPECT_EQ(parseScript("type txtName Hip\r\nclick cmdOkay\r\n").steps.value(0).text, "Hip");
}

TEST(ScriptParsing, ResolvesOnlyTheThreeEscapes) {
    EXPECT_EQ(stepOf("expect txtNotes one\\ntwo\\tthree").text, "one\ntwo\tthree");
    // "\\n" is a backslash followed by n, not a line break.
    EXPECT_EQ(unescapeText("C:\\\\new"), "C:\\new");
    EXPECT_EQ(unescapeText("50\\% \\x"), "50\\% \\x");
    EXPECT_EQ(unescapeText("end\\"), "end\\");
}

TEST(ScriptParsing, ClickAndReadingStepsTakeTheRestOfTheLineAsTheName) {
    EXPECT_EQ(stepOf("click Save & Close ").name, "Save & Close");
    EXPECT_EQ(stepOf("visible Roof Areas").name, "Roof Areas");
    const Step query = stepOf("sql est SELECT  a FROM t");
    EXPECT_EQ(query.name, "est");
    EXPECT_EQ(query.text, "SELECT  a FROM t");
    const Step row = stepOf("row grdLines 2");
    EXPECT_EQ(row.name, "grdLines");
    EXPECT_EQ(row.row, 2);
    EXPECT_EQ(stepOf("answer Yes").answer, qx::Prompter::Answer::Yes);
    const Step fromEnvironment = stepOf("typeenv txtOfficePassword  QX_OFFICE_PASSWORD ");
    EXPECT_EQ(fromEnvironment.name, "txtOfficePassword");
    EXPECT_EQ(fromEnvironment.text, "QX_OFFICE_PASSWORD");
    const Step at = stepOf("clickat picPlan 100  400.5");
    EXPECT_EQ(at.name, "picPlan");
    EXPECT_EQ(at.point, QPointF(100, 400.5));
}

TEST(ScriptParsing, RefusesABadLineWithItsNumberBeforeAnyStepRuns) {
    const char* const badLines[] = {
        "push cmdOkay",
        "row grdLines",
        "row grdLines two",
        "row grdLines -1",
        "row grdLines 1 2",
        "dblclick grdLines",
        "answer maybe",
        "key NoSuchKey",
        "sql costs SELECT 1",
        "sql est",
        "echo",
        "focus txtName",
        "click",
        "type",
        "settings Quorvex",
        "files",
        "clickat picPlan",
        "clickat picPlan 100",
        "clickat picPlan 100 y",
        "clickat picPlan 1 2 3",
        "typeenv txtOfficePassword",
        "typeenv txtOfficePassword QX PASSWORD",
        "typeenv txtOfficePassword 1PASSWORD",
        "typeenv txtOfficePassword Shingle-5ecret",
        "touch",
    };
    for (const char* bad : badLines) {
        // The bad line comes after good ones: the whole script is read before its first step runs.
        const Script script =
            parseScript(QStringLiteral("click cmdOkay\n# note\n%1\nclick cmdOkay\n").arg(bad));
        EXPECT_TRUE(script.error.startsWith(QStringLiteral("line 3 (%1): ").arg(bad)))
            << bad << " -> " << script.error.toStdString();
    }
    // Only the first bad line is reported.
    EXPECT_TRUE(parseScript("answer maybe\npush x\n").error.startsWith("line 1 "));
}

} // namespace
