#pragma once

#include <QByteArray>

class QTextDocument;

namespace qx {

// Writes a document as rich text that word processors open with its formatting: paragraphs with
// their alignment, indents, spacing and tab stops; text with its font, size, bold, italic,
// underline, strike, super/subscript, colour and highlight. Characters outside the western code
// page are written as \uN. What the writer writes, readRtf reads back to the same text and format.
QByteArray writeRtf(const QTextDocument& document);

} // namespace qx
