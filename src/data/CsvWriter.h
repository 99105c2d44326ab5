#pragma once

#include <QString>
#include <QStringList>

namespace qx {

// Writing the CSV files the program makes (price lists, material orders) so that its own reader, and
// a spreadsheet, take every cell back as it was written.

inline const QString kCsvLineEnd = QStringLiteral("\r\n");

// The longest cell read or written (UTF-16 units). A cost item's longest text is 255 characters: a
// longer cell is no price, and a few megabytes of it would only stall the preview.
inline constexpr qsizetype kMaxCellChars = 64 * 1024;

// One field as written: quoted when it holds a comma, a semicolon, a quote, a line break or blanks at
// its ends, with its quotes doubled, so that splitCsv reads it back as it was.
QString csvField(const QString& text);
// A text cell: guarded against formulas (guardFormula), then written as csvField.
QString csvTextCell(const QString& text);
// Cells already written as fields, joined into one line ending in CR LF.
QString csvLine(const QStringList& cells);

// True when the reader takes the cell back: no NUL character (a file holding one is binary) and no more
// than kMaxCellChars.
bool csvCellReadable(const QString& text);

} // namespace qx
