#pragma once

#include <QByteArray>
#include <QString>

namespace qx {

// The PDF with `author` added to its document information (what a PDF reader shows as its author), as
// an update appended to the file; the pages are untouched. The PDF unchanged when its information
// cannot be found or `author` is empty.
QByteArray withPdfAuthor(const QByteArray& pdf, const QString& author);

} // namespace qx
