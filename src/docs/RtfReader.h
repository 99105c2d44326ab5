#pragma once

#include <QByteArray>

class QTextDocument;

namespace qx {

// What reading a rich-text file found.
struct RtfReadResult {
    bool rtf = false;      // the data starts as a rich-text file does ("{\rtf")
    bool complete = false; // its groups are balanced: nothing was cut off or left open
};

// True when the data starts as a rich-text file ("{\rtf", after leading white space).
bool looksLikeRtf(const QByteArray& data);

// Reads rich text as word processors write it into `document` (emptied first): text, paragraphs,
// line breaks and tabs, bold, italic, underline, strike, super/subscript, fonts, sizes, colours,
// highlight, alignment, indents, spacing and tab stops, \'hh and \uN characters. Pictures, objects,
// headers, footers, footnotes, comments, field codes, hidden text and every ignorable destination
// stay out of the text; table rows become one paragraph with their cells separated by tabs.
// Broken input (unbalanced braces, a file cut short, runaway numbers) never stops it: it keeps what
// it could read.
RtfReadResult readRtf(const QByteArray& data, QTextDocument& document);

} // namespace qx
