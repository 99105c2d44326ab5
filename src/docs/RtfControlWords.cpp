#include "docs/RtfControlWords.h"

#include <QHash>

namespace qx::rtf {

namespace {

QHash<QByteArray, Word> buildWords() {
    QHash<QByteArray, Word> w;
    // Destinations whose content is no part of the body text: pictures and objects, headers and
    // footers, notes and comments, field codes, document information and the tables of styles, lists
    // and revisions. Every group marked "\*" is skipped as well.
    for (const char* name : {"pict",         "object",    "shp",        "shpgrp",       "nonshppict",
                             "header",       "headerl",   "headerr",    "headerf",      "footer",
                             "footerl",      "footerr",   "footerf",    "footnote",     "ftnsep",
                             "ftnsepc",      "aftnsep",   "aftnsepc",   "ftncn",        "aftncn",
                             "annotation",   "atnid",     "atnauthor",  "atnref",       "atrfstart",
                             "atrfend",      "info",      "stylesheet", "listtable",    "listoverridetable",
                             "revtbl",       "rsidtbl",   "filetbl",    "fldinst",      "datafield",
                             "xe",           "tc",        "txe",        "bkmkstart",    "bkmkend",
                             "generator",    "template",  "docvar",     "themedata",    "colorschememapping",
                             "latentstyles", "datastore", "pgdsctbl",   "userprops",    "xmlnstbl",
                             "mmathPr",      "fchars",    "lchars",     "nonesttables", "pnseclvl",
                             "falt",         "panose",    "fontemb",    "fontfile",     "private"})
        w.insert(name, Word::SkipDestination);
    const std::pair<const char*, Word> words[] = {
        {"rtf", Word::Rtf},
        {"ansi", Word::Ansi},
        {"mac", Word::Mac},
        {"pc", Word::Pc},
        {"pca", Word::Pca},
        {"ansicpg", Word::AnsiCodePage},
        {"deff", Word::DefaultFont},
        {"uc", Word::UnicodeSkip},
        {"u", Word::Unicode},
        {"bin", Word::Binary},
        {"fonttbl", Word::FontTable},
        {"colortbl", Word::ColourTable},
        {"f", Word::Font},
        {"fcharset", Word::FontCharset},
        {"red", Word::Red},
        {"green", Word::Green},
        {"blue", Word::Blue},
        {"par", Word::Par},
        {"line", Word::Line},
        {"tab", Word::Tab},
        {"cell", Word::Cell},
        {"nestcell", Word::NestCell},
        {"row", Word::Row},
        {"nestrow", Word::NestRow},
        {"page", Word::PageBreak},
        {"sect", Word::PageBreak},
        {"plain", Word::Plain},
        {"b", Word::Bold},
        {"i", Word::Italic},
        {"ul", Word::Underline},
        {"uld", Word::Underline},
        {"uldash", Word::Underline},
        {"uldashd", Word::Underline},
        {"uldashdd", Word::Underline},
        {"uldb", Word::Underline},
        {"ulth", Word::Underline},
        {"ulw", Word::Underline},
        {"ulwave", Word::Underline},
        {"ulldash", Word::Underline},
        {"ulnone", Word::UnderlineNone},
        {"strike", Word::Strike},
        {"striked", Word::Strike},
        {"fs", Word::FontSize},
        {"cf", Word::Colour},
        {"highlight", Word::Highlight},
        {"cb", Word::Highlight},
        {"chcbpat", Word::Highlight},
        {"super", Word::Super},
        {"sub", Word::Sub},
        {"nosupersub", Word::NoSuperSub},
        {"up", Word::Up},
        {"dn", Word::Down},
        {"v", Word::Hidden},
        {"webhidden", Word::Hidden},
        {"pard", Word::Pard},
        {"ql", Word::AlignLeft},
        {"qc", Word::AlignCentre},
        {"qr", Word::AlignRight},
        {"qj", Word::AlignJustify},
        {"qd", Word::AlignJustify},
        {"li", Word::LeftIndent},
        {"lin", Word::LeftIndent},
        {"ri", Word::RightIndent},
        {"rin", Word::RightIndent},
        {"fi", Word::FirstIndent},
        {"sb", Word::SpaceBefore},
        {"sa", Word::SpaceAfter},
        {"sl", Word::LineSpacing},
        {"slmult", Word::LineMultiple},
        {"intbl", Word::InTable},
        {"tx", Word::TabStop},
        {"tqr", Word::TabRight},
        {"tqc", Word::TabCentre},
        {"tqdec", Word::TabDecimal},
    };
    for (const auto& [name, word] : words)
        w.insert(name, word);
    return w;
}

} // namespace

Word wordOf(const QByteArray& word) {
    static const QHash<QByteArray, Word> words = buildWords();
    if (const auto it = words.constFind(word); it != words.constEnd())
        return *it;
    return specialCharacter(word) ? Word::Special : Word::Unknown;
}

char16_t specialCharacter(const QByteArray& word) {
    static const QHash<QByteArray, char16_t> chars = {
        {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
        {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
        {"ltrmark", 0x200E}, {"rtlmark", 0x200F},
    };
    return chars.value(word, 0);
}

} // namespace qx::rtf
