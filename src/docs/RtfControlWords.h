#pragma once

#include <QByteArray>

namespace qx::rtf {

// Twips (1/1440 inch) per layout pixel of a text document (96 to the inch).
constexpr double kTwipsPerPixel = 15.0;

// What a control word does to the reader.
enum class Word {
    Unknown,
    SkipDestination, // the rest of its group stays out of the text
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Binary,
    FontTable,
    ColourTable,
    Font,
    FontCharset,
    Red,
    Green,
    Blue,
    Par,
    Line,
    Tab,
    Cell,
    NestCell,
    Row,
    NestRow,
    PageBreak,
    Special,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Colour,
    Highlight,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Down,
    Hidden,
    Pard,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    InTable,
    TabStop,
    TabRight,
    TabCentre,
    TabDecimal,
};

Word wordOf(const QByteArray& word);

// The character a control word such as \emdash or \bullet stands for; 0 for none.
char16_t specialCharacter(const QByteArray& word);

} // namespace qx::rtf
