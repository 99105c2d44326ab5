#include "FormDriver.h"
#include "PdfText.h"
#include "TestFolders.h"
#include "docs/UiOutputPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {

using qxtest::get;

QString pdfText(const QString& path) {
    return qxpdf::text(path, {QStringLiteral("-layout")}).value_or(QString());
}

class OutputToolbar : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        panel = std::make_unique<qx::UiOutputPanel>(prompter, ctx->folder.estimatesDir(),
                                                    ctx->folder.templatesDir());
        editor = panel->editor(1);
        panel->tabs()->setCurrentIndex(1);
        editor->setPlainText(QStringLiteral("Proposal for Dana O'Neil. Dana's roof."));
    }
    QAction* action(const char* name) { return panel->findChild<QAction*>(QLatin1String(name)); }
    void select(int start, int end) {
        QTextCursor cursor(editor->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }
    // "Find" with the dialog filled as given; returns the dialog's text and options as it opened.
    QString find(const QString& text, bool wholeWords, bool matchCase) {
        QString shown;
        qxtest::onDialog(
            [&](QDialog& dialog) {
                auto* box = get<QLineEdit>(&dialog, "txtFind");
                auto* whole = get<QCheckBox>(&dialog, "chkWholeWords");
                auto* matching = get<QCheckBox>(&dialog, "chkMatchCase");
                shown = QStringLiteral("%1|%2|%3")
                            .arg(box->text())
                            .arg(whole->isChecked())
                            .arg(matching->isChecked());
                box->setText(text);
                whole->setChecked(wholeWords);
                matching->setChecked(matchCase);
                qxtest::press(&dialog, "cmdFind");
            },
            [&] { action("tbFind")->trigger(); });
        return shown;
    }
    std::unique_ptr<qx::UiOutputPanel> panel;
    QTextEdit* editor = nullptr;
};

TEST_F(OutputToolbar, BoldTwiceLeavesTheSelectionAsItWas) {
    select(13, 17);
    action("tbBold")->trigger();
    EXPECT_EQ(editor->fontWeight(), QFont::Bold);
    EXPECT_TRUE(action("tbBold")->isChecked());
    action("tbBold")->trigger();
    EXPECT_EQ(editor->fontWeight(), QFont::Normal);
    EXPECT_FALSE(action("tbBold")->isChecked());
    action("tbItalic")->trigger();
    EXPECT_TRUE(action("tbItalic")->isChecked());
    select(0, 1); // elsewhere the buttons show that text's format
    EXPECT_FALSE(action("tbItalic")->isChecked());
}

TEST_F(OutputToolbar, FindSelectsTheMatchAndRemembersTheSearch) {
    EXPECT_EQ(find(QStringLiteral("dana"), true, false), QStringLiteral("|0|0"));
    EXPECT_EQ(editor->textCursor().selectionStart(), 13);
    // From after that match: whole words passes over nothing, "Dana's" has the word too.
    EXPECT_EQ(find(QStringLiteral("Dana"), true, true), QStringLiteral("dana|1|0"));
    EXPECT_EQ(editor->textCursor().selectionStart(), 26);
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(OutputToolbar, StringNotFoundKeepsTheSelection) {
    select(5, 8);
    find(QStringLiteral("dana"), false, true);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("String not found"));
    EXPECT_EQ(editor->textCursor().selectionStart(), 5);
    EXPECT_EQ(editor->textCursor().selectionEnd(), 8);
    // Cancel searches nothing and forgets nothing.
    const int shown = prompter.messageCount();
    QString reopened;
    qxtest::onDialog(
        [&](QDialog& dialog) {
            reopened = get<QLineEdit>(&dialog, "txtFind")->text();
            qxtest::press(&dialog, "cmdCancel");
        },
        [&] { action("tbFind")->trigger(); });
    EXPECT_EQ(reopened, QStringLiteral("dana"));
    EXPECT_EQ(prompter.messageCount(), shown);
}

TEST_F(OutputToolbar, SaveAsksBeforeReplacingAndOpenReplacesTheContent) {
    const QString path = ctx->folder.estimatesDir() + QStringLiteral("/Oneil.rtf");
    prompter.queueFile(path);
    action("tbSave")->trigger();
    ASSERT_TRUE(QFile::exists(path));
    const QByteArray first = [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    editor->setPlainText(QStringLiteral("changed"));
    prompter.queueFile(path);
    prompter.queueAnswer(qx::Prompter::Answer::No);
    action("tbSave")->trigger();
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), first);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Oneil.rtf already exists.\nDo you want to replace it?"));

    prompter.queueFile(ctx->folder.estimatesDir() + QStringLiteral("/missing.rtf"));
    action("tbOpen")->trigger();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("changed"));
    prompter.queueFile(path);
    action("tbOpen")->trigger();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Proposal for Dana O'Neil. Dana's roof."));
    EXPECT_EQ(editor->textCursor().position(), 0);
}

TEST_F(OutputToolbar, PrintsTheSelectionOrEverything) {
    const QString all = ctx->folder.root() + QStringLiteral("/all.pdf");
    const QString part = ctx->folder.root() + QStringLiteral("/part.pdf");
    prompter.queuePrintFile(all);
    action("tbPrint")->trigger();
    EXPECT_TRUE(pdfText(all).contains(QStringLiteral("Proposal for Dana O'Neil")));
    select(13, 24);
    prompter.queuePrintFile(part);
    action("tbPrint")->trigger();
    EXPECT_EQ(pdfText(part).trimmed(), QStringLiteral("Dana O'Neil"));
    action("tbPrint")->trigger(); // nothing queued: the dialog is cancelled
    EXPECT_EQ(prompter.log().last(), QStringLiteral("dialog: Print -> cancel"));
}

TEST_F(OutputToolbar, PrintFormsAsksForAFormAndPrintsItsPages) {
    const QString pdf = ctx->folder.root() + QStringLiteral("/lead.pdf");
    prompter.queuePrintFile(pdf);
    qxtest::onDialog(
        [&](QDialog& dialog) {
            qxtest::press(&dialog, "cmdPrint");
            EXPECT_EQ(prompter.lastText(), QStringLiteral("Please select a form"));
            EXPECT_TRUE(dialog.isVisible());
            qxtest::choose(get<QComboBox>(&dialog, "cmbForms"), QStringLiteral("Lead Form"));
            qxtest::press(&dialog, "cmdPrint");
        },
        [&] { panel->printForms(); });
    const QString text = pdfText(pdf);
    EXPECT_FALSE(text.trimmed().isEmpty());
    EXPECT_GE(text.count(QLatin1Char('\f')), 1);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Proposal for Dana O'Neil. Dana's roof."));
}

} // namespace

// A size or a font name typed into its list and confirmed with Enter applies to the selection, whether
// the list holds it or not and even when the list already shows it.
TEST_F(OutputToolbar, TypedSizeAndFontApplyOnEnter) {
    auto* sizes = get<QComboBox>(panel.get(), "cboSize");
    auto* fonts = get<QComboBox>(panel.get(), "cboFonts");
    ASSERT_TRUE(fonts->isEditable());
    panel->fillFonts();
    const struct {
        const char* typed;
        double expected;
    } sizeCases[] = {{"13", 13}, {"1", 1},  {"1638", 1638}, {"10.5", 10.5},
                     {"72", 72}, {"0", 72}, {"1639", 72},   {"big", 72}};
    for (const auto& c : sizeCases) {
        select(13, 24);
        sizes->lineEdit()->clear();
        QTest::keyClicks(sizes->lineEdit(), QLatin1String(c.typed));
        QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(editor->currentCharFormat().fontPointSize(), c.expected) << c.typed;
    }
    // The list shows 72 already; a selection of mixed sizes takes it all the same.
    sizes->setEditText(QStringLiteral("72"));
    select(10, 24);
    QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
    select(10, 24);
    EXPECT_EQ(editor->currentCharFormat().fontPointSize(), 72);

    for (const QString& family : {QStringLiteral("DejaVu Serif"), QStringLiteral("Courier New")}) {
        select(13, 24);
        fonts->lineEdit()->clear();
        QTest::keyClicks(fonts->lineEdit(), family);
        QTest::keyClick(fonts->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(editor->currentCharFormat().font().family(), family);
    }
}
