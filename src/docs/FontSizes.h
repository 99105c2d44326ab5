#pragma once

#include <QList>
#include <QString>
#include <optional>

class QFont;
class QTextCharFormat;

namespace qx {

// The sizes the size list offers for a font: those of the candidate sizes (6, 8, 7, 9, 10, ... 72, in
// that order) the font can take exactly; for a font name the screen does not know, a fixed list.
QList<int> fontSizesFor(const QString& family);

// The size in points a text typed into the size list names: a number from 1 to 1638 (the largest size
// a rich-text document keeps), in the locale's or the plain decimal form; nothing for any other text.
std::optional<double> typedFontSize(const QString& text);

// What the font and size lists show for text of `format` in a document whose default font is `base`:
// the family the text is set in and its size in points as the size list writes it ("10", "10.5"). What
// the format leaves unset comes from `base`; a size given in pixels only shows empty.
struct ShownFont {
    QString family;
    QString size;
    bool operator==(const ShownFont&) const = default;
};
ShownFont shownFont(const QTextCharFormat& format, const QFont& base);

} // namespace qx
