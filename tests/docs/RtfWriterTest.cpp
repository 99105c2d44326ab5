#include "docs/RtfWriter.h"
#include "RtfText.h"
#include "docs/RtfReader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>

using qxtest::describe;

namespace {

QTextCharFormat font(const QString& family, double points) {
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    return f;
}

QTextCharFormat with(QTextCharFormat f, const std::function<void(QTextCharFormat&)>& change) {
    change(f);
    return f;
}

struct RoundTrip {
    const char* name;
    std::function<void(QTextCursor&)> build;
};

class WriterRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

// What the writer writes, the reader reads back to the same text and formatting.
TEST_P(WriterRoundTrip, ReadsBackTheSameDocument) {
    QTextDocument original;
    QTextCursor cursor(&original);
    GetParam().build(cursor);
    const QByteArray rtf = qx::writeRtf(original);
    QTextDocument copy;
    const qx::RtfReadResult result = qx::readRtf(rtf, copy);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(describe(copy), describe(original)) << rtf.toStdString();
    // Writing the copy again gives the same file: nothing drifts from one save to the next.
    EXPECT_EQ(qx::writeRtf(copy), rtf);
}

const QTextCharFormat kBody = font(QStringLiteral("Liberation Serif"), 12);

const RoundTrip kRoundTrips[] = {
    {"PlainText", [](QTextCursor& c) { c.insertText(QStringLiteral("ABC Roofing"), kBody); }},
    {"CharacterFormats",
     [](QTextCursor& c) {
         c.insertText(QStringLiteral("bold "), with(kBody, [](auto& f) { f.setFontWeight(QFont::Bold); }));
         c.insertText(QStringLiteral("italic "), with(kBody, [](auto& f) { f.setFontItalic(true); }));
         c.insertText(QStringLiteral("under "), with(kBody, [](auto& f) { f.setFontUnderline(true); }));
         c.insertText(QStringLiteral("struck "), with(kBody, [](auto& f) { f.setFontStrikeOut(true); }));
         c.insertText(QStringLiteral("all"), with(kBody, [](auto& f) {
                          f.setFontWeight(QFont::Bold);
                          f.setFontItalic(true);
                          f.setFontUnderline(true);
                          f.setFontStrikeOut(true);
                      }));
     }},
    {"FontsSizesAndColours",
     [](QTextCursor& c) {
         c.insertText(QStringLiteral("Title "), font(QStringLiteral("Liberation Sans"), 20.5));
         c.insertText(QStringLiteral("red "),
                      with(kBody, [](auto& f) { f.setForeground(QColor(200, 0, 0)); }));
         c.insertText(QStringLiteral("marked "),
                      with(kBody, [](auto& f) { f.setBackground(QColor(255, 255, 0)); }));
         c.insertText(QStringLiteral("fixed "), font(QStringLiteral("Courier New"), 9));
         c.insertText(QStringLiteral("2"), with(kBody, [](auto& f) {
                          f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
                      }));
     }},
    {"AlignmentIndentsAndSpacing",
     [](QTextCursor& c) {
         const std::pair<Qt::Alignment, const char*> aligns[] = {{Qt::AlignLeft, "left"},
                                                                 {Qt::AlignHCenter, "centre"},
                                                                 {Qt::AlignRight, "right"},
                                                                 {Qt::AlignJustify, "justified text"}};
         bool first = true;
         for (const auto& [align, text] : aligns) {
             if (!first)
                 c.insertBlock();
             first = false;
             QTextBlockFormat b;
             b.setAlignment(align);
             b.setLeftMargin(48);
             b.setRightMargin(24);
             b.setTextIndent(-24);
             b.setTopMargin(8);
             b.setBottomMargin(16);
             b.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
             c.setBlockFormat(b);
             c.setBlockCharFormat(kBody);
             c.insertText(QLatin1String(text), kBody);
         }
     }},
    {"TabStopsAndLineHeights",
     [](QTextCursor& c) {
         QTextBlockFormat b;
         b.setTabPositions({QTextOption::Tab(96, QTextOption::LeftTab),
                            QTextOption::Tab(384, QTextOption::RightTab),
                            QTextOption::Tab(200, QTextOption::CenterTab)});
         b.setLineHeight(20, QTextBlockFormat::FixedHeight);
         c.setBlockFormat(b);
         c.setBlockCharFormat(kBody);
         c.insertText(QStringLiteral("Shingles\t42\tsq"), kBody);
         c.insertBlock();
         QTextBlockFormat m;
         m.setLineHeight(30, QTextBlockFormat::MinimumHeight);
         c.setBlockFormat(m);
         c.insertText(QStringLiteral("Underlayment"), kBody);
     }},
    {"EmptyParagraphsKeepTheirSize",
     [](QTextCursor& c) {
         c.setBlockCharFormat(font(QStringLiteral("Liberation Serif"), 16));
         c.insertBlock();
         c.insertText(QStringLiteral("after two"), kBody);
         c.insertBlock();
         c.setBlockCharFormat(font(QStringLiteral("Liberation Serif"), 8));
     }},
    {"CharactersBeyondAscii",
     [](QTextCursor& c) {
         c.insertText(QString::fromUtf8("Café “quoted” €5 — Łódź 屋根 🏠 a\tb"), kBody);
         c.insertText(QString(QChar(QChar::LineSeparator)) + QStringLiteral("{braces} \\ back"), kBody);
         c.insertText(QString::fromUtf8("nb\u00a0sp soft\u00adhyphen"), kBody);
     }},
    {"PlaceholdersStayWhole",
     [](QTextCursor& c) {
         c.insertText(QStringLiteral("<<CoInfo>>"), kBody);
         c.insertBlock();
         c.insertText(QStringLiteral("Total: "), kBody);
         c.insertText(QStringLiteral("<<EstTotal>>"),
                      with(kBody, [](auto& f) { f.setFontWeight(QFont::Bold); }));
     }},
};
INSTANTIATE_TEST_SUITE_P(Rtf, WriterRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfWriter, WritesAWesternFileWordProcessorsRead) {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QString::fromUtf8("é 屋"), kBody);
    const QByteArray rtf = qx::writeRtf(doc);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("\\'e9 \\u23627?"));
    for (char ch : rtf)
        EXPECT_LT(static_cast<unsigned char>(ch), 0x80) << "only 7-bit characters in the file";
}

TEST(RtfWriter, UnformattedTextTakesTheDocumentFont) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Mono"), 10));
    QTextCursor(&doc).insertText(QStringLiteral("plain"));
    QTextDocument copy;
    qx::readRtf(qx::writeRtf(doc), copy);
    const QTextCharFormat f = copy.begin().begin().fragment().charFormat();
    EXPECT_EQ(f.fontFamilies().toStringList().value(0), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(f.fontPointSize(), 10.0);
}

} // namespace
