#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

namespace qxpdf {

// The text of a PDF as pdftotext reads it (with `options` such as "-layout"), in Unicode
// compatibility form: ligatures a font draws ("ﬁ", "ﬂ", "ﬀ") come back as their plain letters, so
// the text compares the same whichever fonts the machine has. Nothing when pdftotext fails.
std::optional<QString> text(const QString& path, const QStringList& options = {});

// The size of the PDF's first page in points, as pdfinfo reports it. Nothing when pdfinfo fails.
std::optional<QSizeF> pageSize(const QString& path);

// A property pdfinfo lists for the PDF ("Title", "Author", ...); empty when it has none.
QString info(const QString& path, const QString& key);

} // namespace qxpdf
