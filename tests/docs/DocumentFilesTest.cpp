#include "docs/DocumentFiles.h"
#include "PdfText.h"
#include "TestFolders.h"
#include "docs/BlankForms.h"
#include "docs/EditorFind.h"
#include "docs/FontSizes.h"

#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTextDocument* boldDocument(QTextDocument& doc) {
    QTextCursor cursor(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Dana O'Neil"), bold);
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Re-roof, 32 BDL"), QTextCharFormat());
    return &doc;
}

// The end of the name decides the format: rich text for "rtf" in any case, plain text otherwise.
TEST(DocumentFiles, SaveAndReloadByExtension) {
    const struct {
        const char* name;
        bool rich;
    } cases[] = {{"proposal.RTF", true},  {"proposal.rtf", true}, {"proposal.Rtf", true},
                 {"proposal.txt", false}, {"proposal", false},    {"proposal.doc", false}};
    QTemporaryDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument doc;
        boldDocument(doc);
        const QString path = dir.filePath(QLatin1String(c.name));
        ASSERT_TRUE(qx::saveDocumentFile(path, doc));
        const QByteArray bytes = fileBytes(path);
        EXPECT_EQ(bytes.startsWith("{\\rtf"), c.rich);
        if (!c.rich) {
            EXPECT_EQ(bytes, QByteArray("Dana O'Neil\nRe-roof, 32 BDL"));
        }

        QTextDocument back;
        back.setPlainText(QStringLiteral("old content"));
        ASSERT_TRUE(qx::loadDocumentFile(path, back));
        EXPECT_EQ(back.toPlainText(), doc.toPlainText());
        QTextCursor first(&back);
        first.movePosition(QTextCursor::NextCharacter);
        EXPECT_EQ(first.charFormat().fontWeight() == QFont::Bold, c.rich);
    }
}

// A file that cannot be read or written leaves the document and the old file as they were.
TEST(DocumentFiles, FailuresLeaveEverythingUnchanged) {
    QTemporaryDir dir;
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("kept"));
    EXPECT_FALSE(qx::loadDocumentFile(dir.filePath(QStringLiteral("missing.rtf")), doc));
    EXPECT_FALSE(qx::loadDocumentFile(dir.path(), doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("kept"));
    EXPECT_FALSE(qx::saveDocumentFile(dir.filePath(QStringLiteral("no/such/folder/x.rtf")), doc));
}

// A PDF holds the document's text as printed; pdftotext reads it back.
TEST(DocumentFiles, PdfHoldsTheText) {
    QTemporaryDir dir;
    QTextDocument doc;
    boldDocument(doc);
    for (int i = 0; i < 120; ++i)
        QTextCursor(&doc).insertText(QStringLiteral("Line %1\n").arg(i));
    const QString path = dir.filePath(QStringLiteral("Proposal.PDF"));
    ASSERT_TRUE(qx::saveDocumentFile(path, doc));
    EXPECT_TRUE(fileBytes(path).startsWith("%PDF"));
    const std::optional<QString> text = qxpdf::text(path, {QStringLiteral("-layout")});
    ASSERT_TRUE(text) << "pdftotext is installed by scripts/setup.sh";
    const QString& out = *text;
    EXPECT_TRUE(out.contains(QStringLiteral("Dana O'Neil"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Line 119")));
    // 120 lines do not fit one page inside one-inch margins: the pages follow one another.
    EXPECT_GE(out.count(QLatin1Char('\f')), 2);
}

TEST(DocumentFiles, SaveFiltersEndWithPdf) {
    EXPECT_EQ(qx::saveFilters(), qx::openFilters() + QStringLiteral(";;PDF Files (*.pdf)"));
    EXPECT_TRUE(qx::openFilters().split(QStringLiteral(";;")).contains(qx::rtfFilter()));
}

// Find searches from the cursor to the end, with the whole-word (2) and match-case (4) options.
TEST(EditorFind, OptionsAndStart) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("Roofing for Dana. The roof of dana's house."));
    const struct {
        const char* text;
        int options;
        int from;
        int found; // -1: not found
    } cases[] = {
        {"roof", 0, 0, 0},
        {"roof", qx::FindRequest::kMatchCase, 0, 22},
        {"roof", qx::FindRequest::kWholeWords, 0, 22},
        {"Roof", qx::FindRequest::kWholeWords | qx::FindRequest::kMatchCase, 0, -1},
        {"Dana", qx::FindRequest::kMatchCase, 0, 12},
        {"dana", 0, 13, 30},
        {"Dana", qx::FindRequest::kMatchCase, 13, -1},
        {"", 0, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        QTextCursor from(&doc);
        from.setPosition(c.from);
        const QTextCursor found = qx::findFrom(doc, from, {QString::fromUtf8(c.text), c.options});
        if (c.found < 0) {
            EXPECT_TRUE(found.isNull());
        } else {
            ASSERT_FALSE(found.isNull());
            EXPECT_EQ(found.selectionStart(), c.found);
            EXPECT_EQ(found.selectedText().size(), qsizetype(strlen(c.text)));
        }
    }
}

// A selected match is passed over: the next search goes on after it.
TEST(EditorFind, RepeatsAfterTheSelection) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("tile tile tile"));
    QTextCursor cursor(&doc);
    QList<int> starts;
    while (!(cursor = qx::findFrom(doc, cursor, {QStringLiteral("tile"), 0})).isNull())
        starts << cursor.selectionStart();
    EXPECT_EQ(starts, (QList<int>{0, 5, 10}));
}

TEST(FontSizes, ScalableFontTakesEveryCandidate) {
    const QString family = QStringLiteral("DejaVu Sans");
    ASSERT_TRUE(QFontDatabase::hasFamily(family)) << "fonts-dejavu-core is installed by scripts/setup.sh";
    const QList<int> sizes = qx::fontSizesFor(family);
    ASSERT_EQ(sizes.size(), 18);
    EXPECT_EQ(sizes.mid(0, 3), (QList<int>{6, 8, 7}));
    EXPECT_EQ(sizes.last(), 72);
}

TEST(FontSizes, UnknownFontGetsTheFixedList) {
    for (const QString& name : {QString(), QStringLiteral("No Such Font 'x'"), QStringLiteral("   ")}) {
        const QList<int> sizes = qx::fontSizesFor(name);
        EXPECT_EQ(sizes.size(), 17);
        EXPECT_EQ(sizes.first(), 8);
        EXPECT_TRUE(sizes.contains(30) && sizes.contains(60) && !sizes.contains(6));
    }
}

// The font lists follow the text at the cursor: its own family and size, else the document's.
TEST(FontSizes, TheListsShowTheFontOfTheTextAtTheCursor) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Courier New"), 10));
    QTextCursor cursor(&doc);
    QTextCharFormat arial;
    arial.setFontFamilies({QStringLiteral("Arial"), QStringLiteral("Sans")});
    arial.setFontPointSize(12);
    QTextCharFormat half;
    half.setFontPointSize(10.5);
    QFont pixels(QStringLiteral("Times"));
    pixels.setPixelSize(16);
    QTextCharFormat inPixels;
    inPixels.setFont(pixels, QTextCharFormat::FontPropertiesSpecifiedOnly);
    cursor.insertText(QStringLiteral("plain"), QTextCharFormat());
    cursor.insertText(QStringLiteral("arial"), arial);
    cursor.insertText(QStringLiteral("half"), half);
    cursor.insertText(QStringLiteral("px"), inPixels);
    // The cursor takes the format of the character before it.
    const struct {
        int position;
        qx::ShownFont shown;
    } cases[] = {{3, {"Courier New", "10"}},
                 {7, {"Arial", "12"}},
                 {10, {"Arial", "12"}},
                 {12, {"Courier New", "10.5"}},
                 {16, {"Times", ""}}};
    for (const auto& c : cases) {
        cursor.setPosition(c.position);
        EXPECT_EQ(qx::shownFont(cursor.charFormat(), doc.defaultFont()), c.shown) << c.position;
    }
}

TEST(BlankForms, ListKindsAndTemplates) {
    QStringList entries;
    for (const qx::BlankForm& form : qx::blankForms())
        entries << QStringLiteral("%1=%2:%3:%4")
                       .arg(form.caption)
                       .arg(form.number)
                       .arg(form.kind, form.templateFile);
    EXPECT_EQ(entries, (QStringList{"=0::", "Lead Form=1:lead:lead.rtf", "Roof Form=2:roof:takeoff.rtf",
                                    "Estimate Detail=3:detail:estimatedetail.rtf",
                                    "Estimate Summary=4:main:estimatemain.rtf"}));
    EXPECT_EQ(qx::blankFormNumbered(9).number, 0);
    EXPECT_TRUE(qx::blankFormOfKind(QString()).kind.isEmpty());
}

} // namespace
