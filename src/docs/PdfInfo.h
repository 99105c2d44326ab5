#pragma once

#include <QByteArray>
#include <QString>

namespace qx {

// The PDF with `title` and `author` as its document information (what a PDF reader shows as its title
// and author), written as an update appended to the file; the pages are untouched. The PDF unchanged
// when its information cannot be found or `author` is empty.
QByteArray withPdfInfo(const QByteArray& pdf, const QString& title, const QString& author);

} // namespace qx
