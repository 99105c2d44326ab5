#include "docs/RtfReader.h"
#include "docs/Placeholders.h"

#include "RtfText.h"
#include <QFile>

#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using qxtest::textOf;

namespace {

struct TextCase {
    const char* name;
    const char* rtf;
    const char* text; // UTF-8
};

QString read(const QByteArray& rtf, qx::RtfReadResult* result = nullptr) {
    QTextDocument doc;
    const qx::RtfReadResult r = qx::readRtf(rtf, doc);
    if (result)
        *result = r;
    return textOf(doc);
}

QByteArray wrap(const char* body) {
    return QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}"
                      "{\\f1\\fcharset204 Arial Cyr;}}") +
           body + '}';
}

class ReaderText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReaderText, KeepsTheBodyTextOnly) {
    const TextCase& c = GetParam();
    qx::RtfReadResult result;
    EXPECT_EQ(read(wrap(c.rtf), &result), QString::fromUtf8(c.text));
    EXPECT_TRUE(result.complete);
}

const TextCase kTextCases[] = {
    {"Paragraphs", "One\\par Two\\par", "One\nTwo"},
    {"LastParagraphWithoutMark", "One\\par Two", "One\nTwo"},
    {"EmptyParagraphKept", "One\\par\\par Two\\par", "One\n\nTwo"},
    {"LineAndTab", "a\\line b\\tab c", "a|b\tc"},
    {"LineEndsInTheFileAreNoText", "Sm\r\nith", "Smith"},
    {"EscapedBraces", "\\{x\\} \\\\", "{x} \\"},
    {"WesternHexCodes", "caf\\'e9 \\'80 \\'93q\\'94", "café € “q”"},
    {"UnicodeWithFallback", "\\u8364?5 \\u-3913?", "€5 \xEF\x82\xB7"},
    {"UnicodeSkipsTwoFallbackBytes", "\\uc2\\u12354\\'82\\'a0x", "あx"},
    {"UnicodeWithoutFallback", "\\uc0\\u233 t\\u233 ", "été"},
    {"FallbackSkipEndsWithItsGroup", "{\\uc3\\u233}ab", "éab"},
    {"FontCodePage", "{\\f1 \\'cf\\'f0\\'e8}", "При"},
    {"SpecialCharacters", "a\\~b\\emdash c\\bullet\\ldblquote d\\rdblquote",
     "a\xC2\xA0"
     "b—c•“d”"},
    {"IgnorableDestination", "{\\*\\unknowndest junk {nested}}kept", "kept"},
    {"UnknownWordsIgnored", "\\nosuchword12 text", "text"},
    {"Bookmarks", "{\\*\\bkmkstart sig}Sign{\\*\\bkmkend sig}{\\bkmkstart x}here", "Signhere"},
    {"RevisionMarks", "{\\*\\revtbl{Unknown;}}{\\revised\\revauth1 new} text", "new text"},
    {"FieldKeepsItsResult", "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt see site}}", "see site"},
    {"HiddenText", "{\\v secret}shown\\v more\\v0  end", "shown end"},
    {"HeaderAndFooterKeptOut", "{\\header Page head\\par}{\\footerl Foot}{\\headerf First}Body", "Body"},
    {"FootnoteKeptOut", "Roof{\\super\\chftn{\\footnote\\pard note}} done", "Roof done"},
    {"PictureSkipped", "a{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a}b", "ab"},
    {"BinaryPictureWithBraces", "a{\\pict\\bin6 {}\\}{x}b", "ab"},
    {"ShapePictureAndFallback",
     "a{\\*\\shppict{\\pict\\emfblip 0102}}{\\nonshppict{\\pict\\wmetafile8 0304}}b", "ab"},
    {"ObjectSkipped", "x{\\object\\objemb{\\*\\objdata 0102}{\\result{\\pict 00}}}y", "xy"},
    {"TableAsTabs", "\\trowd\\cellx1000\\cellx2000\\pard\\intbl A\\cell B\\cell\\row\\pard After\\par",
     "A\tB\nAfter"},
    {"TableEmptyCells", "\\trowd\\pard\\intbl\\cell B\\cell\\cell D\\cell\\row", "\tB\t\tD"},
    {"TableRowsAndCellParagraphs",
     "\\trowd\\pard\\intbl 1\\par 2\\cell x\\cell\\row\\trowd\\pard\\intbl y\\cell z\\cell\\row",
     "1|2\tx\ny\tz"},
    {"NestedTableCells",
     "\\pard\\intbl a\\cell\\pard\\intbl\\itap2 b\\nestcell c\\nestcell{\\*\\nesttableprops"
     "\\trowd\\nestrow}{\\nonesttables\\par}\\cell\\row",
     "a\tb\tc"},
    {"ListTextKept", "{\\listtext\\f0 \\bullet\\tab}Item\\par", "•\tItem"},
    {"StylesheetAndInfoSkipped", "{\\stylesheet{\\s1 heading 1;}}{\\info{\\title T}{\\author A}}Text",
     "Text"},
};
INSTANTIATE_TEST_SUITE_P(Rtf, ReaderText, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Broken files never stop the reader; it keeps what it could read.
struct BrokenCase {
    const char* name;
    QByteArray rtf;
    const char* text;
};

class ReaderBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(ReaderBroken, KeepsWhatItCouldRead) {
    qx::RtfReadResult result;
    EXPECT_EQ(read(GetParam().rtf, &result), QString::fromUtf8(GetParam().text));
    EXPECT_FALSE(result.complete);
}

const BrokenCase kBrokenCases[] = {
    {"CutShort", "{\\rtf1\\ansi {\\b Bold", "Bold"},
    {"CutInsideHexEscape", "{\\rtf1 ab\\'4", "ab"},
    {"CutAfterBackslash", "{\\rtf1 ab\\", "ab"},
    {"BadHexEscape", "{\\rtf1 a\\'zzb", "azzb"},
    {"BracesTooMany", "{\\rtf1 a}}}b}", "ab"},
    {"UnclosedGroups", "{\\rtf1 {{{{a\\par b", "a\nb"},
    {"HugeParameters", "{\\rtf1 \\fs99999999999999999999 \\li-99999999999999 \\tx99999999999 x\\par", "x"},
    {"HugeUnicode", "{\\rtf1 \\u99999999999?a\\u-99999999?b", "ab"},
    {"HugeUnicodeSkip", "{\\rtf1 \\uc999999999\\u65 abcdefghijk", "Aijk"},
    {"BinaryBeyondTheEnd", "{\\rtf1 a{\\pict\\bin999999999999 xyz", "a"},
    {"NegativeBinary", "{\\rtf1 a\\bin-5 b", "ab"},
    {"ControlCharactersAsUnicode", "{\\rtf1 a\\u10?b\\u8233?c\\u65532?d\\u64976?e", "ab|cde"},
    {"NotRtfAtAll", "Plain words, no markup", "Plain words, no markup"},
    {"Empty", "", ""},
};
INSTANTIATE_TEST_SUITE_P(Rtf, ReaderBroken, ::testing::ValuesIn(kBrokenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReader, DeepNestingNeitherCrashesNorLosesTheText) {
    const int depth = 200000;
    QByteArray rtf = "{\\rtf1 ";
    rtf += QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + "after}";
    qx::RtfReadResult result;
    EXPECT_EQ(read(rtf, &result), QStringLiteral("deepafter"));
    EXPECT_TRUE(result.complete);
}

TEST(RtfReader, ReadsCharacterFormats) {
    QTextDocument doc;
    qx::readRtf(wrap("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                     "{\\b B}{\\i I}{\\ul U}{\\strike S}{\\fs36 Big}{\\cf1 Red}{\\highlight2 Marked}"
                     "{\\super 2}{\\b\\b0 plain}\\plain\\f1 Reset"),
                doc);
    const QStringList expected = {
        "P left li=0.0 ri=0.0 fi=0.0 sb=0.0 sa=0.0 lh=0.0/0 tabs=",
        "  [B] Times New Roman 12.0pt B--- auto on none v0",
        "  [I] Times New Roman 12.0pt -I-- auto on none v0",
        "  [U] Times New Roman 12.0pt --U- auto on none v0",
        "  [S] Times New Roman 12.0pt ---S auto on none v0",
        "  [Big] Times New Roman 18.0pt ---- auto on none v0",
        "  [Red] Times New Roman 12.0pt ---- #ff0000 on none v0",
        "  [Marked] Times New Roman 12.0pt ---- auto on #0000ff v0",
        "  [2] Times New Roman 12.0pt ---- auto on none v1",
        "  [plain] Times New Roman 12.0pt ---- auto on none v0",
        "  [Reset] Arial Cyr 12.0pt ---- auto on none v0",
    };
    EXPECT_EQ(qxtest::describe(doc), expected);
}

TEST(RtfReader, ReadsParagraphFormatsUntilPard) {
    QTextDocument doc;
    qx::readRtf(wrap("\\qc\\li720\\ri360\\fi-360\\sb120\\sa240\\sl360\\slmult1 Centred\\par "
                     "Still centred\\par\\pard\\qr\\tqr\\tx5760\\tx1440\\sl-300\\slmult0 Right\\par\\pard "
                     "\\qj Justified"),
                doc);
    const QStringList expected = {
        "P centre li=48.0 ri=24.0 fi=-24.0 sb=8.0 sa=16.0 lh=150.0/1 tabs=",
        "  [Centred] Times New Roman 12.0pt ---- auto on none v0",
        "P centre li=48.0 ri=24.0 fi=-24.0 sb=8.0 sa=16.0 lh=150.0/1 tabs=",
        "  [Still centred] Times New Roman 12.0pt ---- auto on none v0",
        "P right li=0.0 ri=0.0 fi=0.0 sb=0.0 sa=0.0 lh=20.0/2 tabs=384.0:1,96.0:0",
        "  [Right] Times New Roman 12.0pt ---- auto on none v0",
        "P justify li=0.0 ri=0.0 fi=0.0 sb=0.0 sa=0.0 lh=0.0/0 tabs=",
        "  [Justified] Times New Roman 12.0pt ---- auto on none v0",
    };
    EXPECT_EQ(qxtest::describe(doc), expected);
}

TEST(RtfReader, PlaceholderSplitAcrossRunsIsFoundAsOneWord) {
    // Word processors often split a typed field where the spelling checker or an edit touched it.
    QTextDocument doc;
    qx::readRtf(wrap("Dear {\\rtlch\\b <<Last}{\\rtlch\\b\\i Na}{\\b me>>},\\par"), doc);
    const QTextCursor found = doc.find(QStringLiteral("<<LastName>>"), 0,
                                       QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
    ASSERT_FALSE(found.isNull());
    EXPECT_EQ(found.selectionStart(), 5);
}

} // namespace

namespace {

// A letter as a common word processor saves it: a style sheet, page styles, \loch runs, a table, and a
// field typed in two formats.
TEST(RtfReader, ReadsALetterWrittenByAWordProcessor) {
    QFile file(QStringLiteral(QX_TEST_DIR "/data/written_by_a_word_processor.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument doc;
    EXPECT_TRUE(qx::readRtf(file.readAll(), doc).complete);
    EXPECT_EQ(textOf(doc),
              QString::fromUtf8("Proposal for <<LastName>>\nDear <<LastName>>,\n"
                                "Total: <<EstTotal>> valid until old <<ExpDate>>. "
                                "Café – “quoted” €\nItem\tQty\nShingles\t32\nSigned <<CoName>>"));
    EXPECT_EQ(qx::replacePlaceholder(doc, QStringLiteral("<<LastName>>"), QStringLiteral("Dana O'Neil")), 2);
    EXPECT_EQ(doc.begin().next().text(), QStringLiteral("Dear Dana O'Neil,"));
    const QTextBlock title = doc.begin();
    EXPECT_TRUE(title.blockFormat().alignment() & Qt::AlignHCenter);
    const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
    EXPECT_EQ(titleFormat.fontPointSize(), 18.0);
    EXPECT_EQ(titleFormat.fontWeight(), QFont::Bold);
    EXPECT_EQ(titleFormat.foreground().color(), QColor(31, 56, 100));
    const QTextBlock total = doc.findBlockByNumber(2);
    EXPECT_EQ(total.blockFormat().leftMargin(), 96.0);
    EXPECT_TRUE(doc.find(QStringLiteral("<<EstTotal>>")).charFormat().fontUnderline());
    EXPECT_TRUE(doc.find(QStringLiteral("old")).charFormat().fontStrikeOut());
    EXPECT_TRUE(doc.lastBlock().blockFormat().alignment() & Qt::AlignRight);
    EXPECT_EQ(doc.begin().next().begin().fragment().charFormat().fontFamilies().toStringList().value(0),
              QStringLiteral("Liberation Serif"));
}

} // namespace
