#include "docs/RtfReader.h"

#include "docs/CodePage.h"
#include "docs/RtfControlWords.h"
#include "docs/RtfTokenizer.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <optional>
#include <vector>

namespace qx {

namespace {

using rtf::Word;

// Groups nested deeper than this share their parent's state, so no file can exhaust memory.
constexpr int kMaxDepth = 1000;
// Indents and spacing beyond 22 inches are held there.
constexpr int kMaxTwips = 31680;

enum class Dest { Body, Skip, FontTable, ColourTable };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    int colour = 0;
    int highlight = 0;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    int line = 0;
    bool lineMultiple = false;
    bool inTable = false;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
};

struct Group {
    CharState ch;
    ParaState para;
    Dest dest = Dest::Body;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString name;
    int codePage = 0;
};

int clampTwips(int value) {
    return std::clamp(value, -kMaxTwips, kMaxTwips);
}

bool switchOn(const RtfToken& t) {
    return !t.hasParam || t.param != 0;
}

// Characters that would break the document's structure or make a paragraph of their own.
QChar sanitized(QChar c) {
    const char16_t u = c.unicode();
    if (u == QChar::ParagraphSeparator)
        return QChar(QChar::LineSeparator);
    if ((u < 0x20 && u != u'\t') || u == QChar::ObjectReplacementCharacter || u == 0xFDD0 || u == 0xFDD1 ||
        u == 0xFFFF || u == 0xFFFE)
        return QChar();
    return c;
}

class Reader {
public:
    Reader(const QByteArray& data, QTextDocument& doc)
        : m_tokens(data)
        , m_cursor(&doc) {
        m_groups.push_back(Group{});
    }

    RtfReadResult run();

private:
    Group& top() { return m_groups.back(); }
    const Group& top() const { return m_groups.back(); }
    void groupStart();
    void groupEnd();
    void controlWord(const RtfToken& t);
    void bodyWord(Word word, const RtfToken& t);
    void charWord(Word word, const RtfToken& t);
    void paraWord(Word word, const RtfToken& t);
    void controlSymbol(char symbol);
    void textBytes(const QByteArray& bytes);
    void fontTableText(const QByteArray& bytes);
    void colourTableText(const QByteArray& bytes);

    void flushBytes();
    void appendText(const QString& text);
    void flushRun();
    void endParagraph();
    void finish();
    bool consumeSkip();
    int codePage() const;
    QTextCharFormat charFormat(const CharState& ch) const;
    QTextBlockFormat blockFormat(const ParaState& para) const;

    RtfTokenizer m_tokens;
    QTextCursor m_cursor;
    std::vector<Group> m_groups;
    int m_overflow = 0;
    bool m_extraClose = false;
    std::optional<Group> m_documentEnd;

    int m_ansiCodePage = codepage::kWestern;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_fontNumber = 0;
    FontEntry m_font;
    QList<QColor> m_colours;
    int m_rgb[3] = {-1, -1, -1};

    QByteArray m_bytes; // text bytes not yet decoded (multi-byte pages need them together)
    QString m_run;      // decoded text not yet in the document, all in m_runState
    CharState m_runState;
    int m_skip = 0; // fallback characters still to skip after a \uN
    int m_pendingTabs = 0;
    bool m_contentSinceParagraph = false;
    int m_paragraphs = 0;
};

RtfReadResult Reader::run() {
    for (;;) {
        const RtfToken t = m_tokens.next();
        if (t.kind != RtfToken::Text && t.kind != RtfToken::HexByte)
            flushBytes();
        switch (t.kind) {
        case RtfToken::End:
            finish();
            return {true, m_groups.size() == 1 && m_overflow == 0 && !m_extraClose};
        case RtfToken::GroupStart:
            groupStart();
            break;
        case RtfToken::GroupEnd:
            groupEnd();
            break;
        case RtfToken::ControlWord:
            controlWord(t);
            break;
        case RtfToken::ControlSymbol:
            if (!consumeSkip())
                controlSymbol(t.symbol);
            break;
        case RtfToken::HexByte:
            if (!consumeSkip())
                textBytes(QByteArray(1, t.symbol));
            break;
        case RtfToken::Text:
            textBytes(t.word);
            break;
        }
    }
}

bool Reader::consumeSkip() {
    if (m_skip <= 0)
        return false;
    --m_skip;
    return true;
}

void Reader::groupStart() {
    m_skip = 0;
    if (m_groups.size() >= size_t(kMaxDepth)) {
        ++m_overflow;
        return;
    }
    m_groups.push_back(m_groups.back());
}

void Reader::groupEnd() {
    m_skip = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (m_groups.size() <= 1) {
        m_extraClose = true; // a brace too many: the text goes on as it was
        return;
    }
    const Dest closing = top().dest;
    if (m_groups.size() == 2 && !m_documentEnd)
        m_documentEnd = top(); // the last paragraph ends with the document's own group
    m_groups.pop_back();
    if (closing == Dest::FontTable && !m_font.name.trimmed().isEmpty()) {
        m_font.name = m_font.name.trimmed(); // an entry without its ";"
        m_fonts.insert(m_fontNumber, m_font);
        m_font = FontEntry{};
    }
}

void Reader::controlWord(const RtfToken& t) {
    const Word word = rtf::wordOf(t.word);
    if (word == Word::Binary) {
        m_tokens.skipBytes(t.hasParam ? t.param : 0);
        return;
    }
    if (consumeSkip())
        return;
    Group& g = top();
    if (g.dest == Dest::Skip)
        return;
    if (word == Word::SkipDestination) {
        g.dest = Dest::Skip;
        return;
    }
    if (g.dest == Dest::FontTable) {
        if (word == Word::Font && t.hasParam) {
            m_fontNumber = t.param;
            m_font = FontEntry{};
        } else if (word == Word::FontCharset) {
            m_font.codePage = codepage::ofCharset(t.param);
        }
        return;
    }
    if (g.dest == Dest::ColourTable) {
        const int index = word == Word::Red ? 0 : word == Word::Green ? 1 : word == Word::Blue ? 2 : -1;
        if (index >= 0)
            m_rgb[index] = std::clamp(t.param, 0, 255);
        return;
    }
    bodyWord(word, t);
}

void Reader::bodyWord(Word word, const RtfToken& t) {
    Group& g = top();
    switch (word) {
    case Word::FontTable:
        g.dest = Dest::FontTable;
        break;
    case Word::ColourTable:
        g.dest = Dest::ColourTable;
        break;
    case Word::Ansi:
        m_ansiCodePage = codepage::kWestern;
        break;
    case Word::Mac:
        m_ansiCodePage = 10000;
        break;
    case Word::Pc:
        m_ansiCodePage = 437;
        break;
    case Word::Pca:
        m_ansiCodePage = 850;
        break;
    case Word::AnsiCodePage:
        if (t.param > 0)
            m_ansiCodePage = t.param;
        break;
    case Word::DefaultFont:
        m_defaultFont = t.param;
        break;
    case Word::UnicodeSkip:
        g.unicodeSkip = std::clamp(t.param, 0, 8);
        break;
    case Word::Unicode: {
        const int code = t.param < 0 ? t.param + 0x10000 : t.param;
        if (code >= 0 && code <= 0xFFFF && !g.ch.hidden)
            appendText(QString(QChar(char16_t(code))));
        m_skip = g.unicodeSkip;
        break;
    }
    case Word::Par:
        if (g.para.inTable)
            appendText(QString(QChar(QChar::LineSeparator)));
        else
            endParagraph();
        break;
    case Word::Line:
    case Word::NestRow:
        appendText(QString(QChar(QChar::LineSeparator)));
        break;
    case Word::Tab:
        appendText(QStringLiteral("\t"));
        break;
    case Word::Cell:
    case Word::NestCell:
        ++m_pendingTabs;
        break;
    case Word::Row:
        m_pendingTabs = 0;
        endParagraph();
        break;
    case Word::PageBreak:
        endParagraph();
        break;
    case Word::Special:
        if (!g.ch.hidden)
            appendText(QString(QChar(rtf::specialCharacter(t.word))));
        break;
    default:
        charWord(word, t);
        paraWord(word, t);
        break;
    }
}

void Reader::charWord(Word word, const RtfToken& t) {
    CharState& ch = top().ch;
    switch (word) {
    case Word::Plain:
        ch = CharState{};
        break;
    case Word::Bold:
        ch.bold = switchOn(t);
        break;
    case Word::Italic:
        ch.italic = switchOn(t);
        break;
    case Word::Underline:
        ch.underline = switchOn(t);
        break;
    case Word::UnderlineNone:
        ch.underline = false;
        break;
    case Word::Strike:
        ch.strike = switchOn(t);
        break;
    case Word::Hidden:
        ch.hidden = switchOn(t);
        break;
    case Word::Font:
        ch.font = t.param;
        break;
    case Word::FontSize:
        if (t.param > 0)
            ch.halfPoints = std::clamp(t.param, 2, 3276);
        break;
    case Word::Colour:
        ch.colour = t.param;
        break;
    case Word::Highlight:
        ch.highlight = t.param;
        break;
    case Word::Super:
        ch.vertical = QTextCharFormat::AlignSuperScript;
        break;
    case Word::Sub:
        ch.vertical = QTextCharFormat::AlignSubScript;
        break;
    case Word::NoSuperSub:
        ch.vertical = QTextCharFormat::AlignNormal;
        break;
    case Word::Up:
        ch.vertical = t.param > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal;
        break;
    case Word::Down:
        ch.vertical = t.param > 0 ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal;
        break;
    default:
        break;
    }
}

void Reader::paraWord(Word word, const RtfToken& t) {
    ParaState& p = top().para;
    switch (word) {
    case Word::Pard:
        p = ParaState{};
        break;
    case Word::AlignLeft:
        p.align = Qt::AlignLeft;
        break;
    case Word::AlignCentre:
        p.align = Qt::AlignHCenter;
        break;
    case Word::AlignRight:
        p.align = Qt::AlignRight;
        break;
    case Word::AlignJustify:
        p.align = Qt::AlignJustify;
        break;
    case Word::LeftIndent:
        p.left = clampTwips(t.param);
        break;
    case Word::RightIndent:
        p.right = clampTwips(t.param);
        break;
    case Word::FirstIndent:
        p.first = clampTwips(t.param);
        break;
    case Word::SpaceBefore:
        p.before = std::clamp(t.param, 0, kMaxTwips);
        break;
    case Word::SpaceAfter:
        p.after = std::clamp(t.param, 0, kMaxTwips);
        break;
    case Word::LineSpacing:
        p.line = clampTwips(t.param);
        break;
    case Word::LineMultiple:
        p.lineMultiple = switchOn(t);
        break;
    case Word::InTable:
        p.inTable = true;
        break;
    case Word::TabRight:
        p.nextTabType = QTextOption::RightTab;
        break;
    case Word::TabCentre:
        p.nextTabType = QTextOption::CenterTab;
        break;
    case Word::TabDecimal:
        p.nextTabType = QTextOption::DelimiterTab;
        break;
    case Word::TabStop:
        if (t.param >= 0 && p.tabs.size() < 64) {
            QTextOption::Tab tab(std::min(t.param, kMaxTwips) / rtf::kTwipsPerPixel, p.nextTabType,
                                 p.nextTabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar());
            p.tabs.append(tab);
        }
        p.nextTabType = QTextOption::LeftTab;
        break;
    default:
        break;
    }
}

void Reader::controlSymbol(char symbol) {
    Group& g = top();
    if (symbol == '*') {
        if (g.dest == Dest::Body)
            g.dest = Dest::Skip; // an ignorable destination: Quorvex keeps none of them
        return;
    }
    if (symbol == '\\' || symbol == '{' || symbol == '}') {
        textBytes(QByteArray(1, symbol));
        return;
    }
    if (g.dest != Dest::Body || g.ch.hidden)
        return;
    switch (symbol) {
    case '~':
        appendText(QString(QChar(0x00A0)));
        break;
    case '-':
        appendText(QString(QChar(0x00AD)));
        break;
    case '_':
        appendText(QString(QChar(0x2011)));
        break;
    case '\n':
        endParagraph();
        break;
    default:
        break;
    }
}

void Reader::textBytes(const QByteArray& bytes) {
    const Group& g = top();
    qsizetype start = 0;
    while (m_skip > 0 && start < bytes.size()) {
        --m_skip;
        ++start;
    }
    if (start >= bytes.size())
        return;
    const QByteArray rest = start ? bytes.mid(start) : bytes;
    switch (g.dest) {
    case Dest::Body:
        if (!g.ch.hidden)
            m_bytes += rest;
        break;
    case Dest::FontTable:
        fontTableText(rest);
        break;
    case Dest::ColourTable:
        colourTableText(rest);
        break;
    case Dest::Skip:
        break;
    }
}

void Reader::fontTableText(const QByteArray& bytes) {
    for (char c : bytes) {
        if (c == ';') {
            m_font.name = m_font.name.trimmed();
            m_fonts.insert(m_fontNumber, m_font);
            m_font = FontEntry{};
        } else {
            m_font.name += codepage::decode(QByteArray(1, c), codepage::kWestern);
        }
    }
}

void Reader::colourTableText(const QByteArray& bytes) {
    for (char c : bytes) {
        if (c != ';')
            continue;
        if (m_rgb[0] < 0 && m_rgb[1] < 0 && m_rgb[2] < 0)
            m_colours.append(QColor()); // "auto"
        else
            m_colours.append(QColor(std::max(0, m_rgb[0]), std::max(0, m_rgb[1]), std::max(0, m_rgb[2])));
        m_rgb[0] = m_rgb[1] = m_rgb[2] = -1;
    }
}

int Reader::codePage() const {
    const int font = top().ch.font < 0 ? m_defaultFont : top().ch.font;
    const int page = m_fonts.value(font).codePage;
    return page > 0 ? page : m_ansiCodePage;
}

void Reader::flushBytes() {
    if (m_bytes.isEmpty())
        return;
    const QString text = codepage::decode(m_bytes, codePage());
    m_bytes.clear();
    appendText(text);
}

void Reader::appendText(const QString& text) {
    QString clean;
    clean.reserve(text.size() + m_pendingTabs);
    for (QChar c : text) {
        if (const QChar s = sanitized(c); !s.isNull())
            clean += s;
    }
    if (clean.isEmpty())
        return;
    if (!(m_runState == top().ch))
        flushRun();
    m_runState = top().ch;
    if (m_pendingTabs > 0) {
        m_run += QString(std::min(m_pendingTabs, 256), QLatin1Char('\t'));
        m_pendingTabs = 0;
    }
    m_run += clean;
    m_contentSinceParagraph = true;
}

void Reader::flushRun() {
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, charFormat(m_runState));
    m_run.clear();
}

void Reader::endParagraph() {
    flushRun();
    m_cursor.setBlockFormat(blockFormat(top().para));
    m_cursor.setBlockCharFormat(charFormat(top().ch));
    m_cursor.insertBlock();
    m_pendingTabs = 0;
    m_contentSinceParagraph = false;
    ++m_paragraphs;
}

void Reader::finish() {
    flushBytes();
    flushRun();
    if (m_paragraphs > 0 && !m_contentSinceParagraph) {
        // The last paragraph mark ends the last paragraph; it opens no empty one after it.
        m_cursor.deletePreviousChar();
        return;
    }
    const Group& last = m_documentEnd ? *m_documentEnd : top();
    m_cursor.setBlockFormat(blockFormat(last.para));
    m_cursor.setBlockCharFormat(charFormat(last.ch));
}

QTextCharFormat Reader::charFormat(const CharState& ch) const {
    QTextCharFormat f;
    const auto font = m_fonts.constFind(ch.font < 0 ? m_defaultFont : ch.font);
    if (font != m_fonts.constEnd() && !font->name.isEmpty())
        f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(ch.halfPoints / 2.0);
    f.setFontWeight(ch.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(ch.italic);
    f.setFontUnderline(ch.underline);
    f.setFontStrikeOut(ch.strike);
    if (ch.colour > 0 && ch.colour < m_colours.size() && m_colours[ch.colour].isValid())
        f.setForeground(m_colours[ch.colour]);
    if (ch.highlight > 0 && ch.highlight < m_colours.size() && m_colours[ch.highlight].isValid())
        f.setBackground(m_colours[ch.highlight]);
    if (ch.vertical != QTextCharFormat::AlignNormal)
        f.setVerticalAlignment(ch.vertical);
    return f;
}

QTextBlockFormat Reader::blockFormat(const ParaState& p) const {
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(p.left / rtf::kTwipsPerPixel);
    f.setRightMargin(p.right / rtf::kTwipsPerPixel);
    f.setTextIndent(p.first / rtf::kTwipsPerPixel);
    f.setTopMargin(p.before / rtf::kTwipsPerPixel);
    f.setBottomMargin(p.after / rtf::kTwipsPerPixel);
    if (p.line != 0 && p.lineMultiple && p.line > 0)
        f.setLineHeight(p.line * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (p.line < 0)
        f.setLineHeight(-p.line / rtf::kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    else if (p.line > 0 && !p.lineMultiple)
        f.setLineHeight(p.line / rtf::kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    if (!p.tabs.isEmpty())
        f.setTabPositions(p.tabs);
    return f;
}

} // namespace

bool looksLikeRtf(const QByteArray& data) {
    return data.trimmed().startsWith("{\\rtf");
}

RtfReadResult readRtf(const QByteArray& data, QTextDocument& document) {
    document.clear();
    RtfReadResult result = Reader(data, document).run();
    result.rtf = looksLikeRtf(data);
    result.complete = result.complete && result.rtf;
    return result;
}

} // namespace qx
