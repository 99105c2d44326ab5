#pragma once

#include <QString>

class QTextDocument;

namespace qx {

// Replaces every occurrence of `placeholder` (case-sensitive, as a whole word) with `value`, which
// takes the placeholder's formatting; line breaks in the value start new paragraphs. The search goes
// on after each inserted value, so a value holding its own placeholder is never replaced again.
// Returns the number of replacements.
int replacePlaceholder(QTextDocument& document, const QString& placeholder, const QString& value);

} // namespace qx
