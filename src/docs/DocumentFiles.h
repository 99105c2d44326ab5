#pragma once

#include "docs/PaperSetup.h"

#include <QString>

class QTextDocument;

namespace qx {

// How a document file is written and read, decided by the end of its name.
enum class DocumentFormat { RichText, PlainText, Pdf };

// ".rtf" in any case is rich text, ".pdf" in any case a PDF, everything else (a name without an
// extension too) plain text.
DocumentFormat formatOfFile(const QString& path);

// The filters of the editor's "Open" and "Save As" dialogs, and the one chosen at first.
QString openFilters();
QString saveFilters();
QString rtfFilter();

// The question before "Save As" replaces a file that is already there.
QString replaceQuestion(const QString& path);

// Replaces the document's content with the file's: rich text through the rich-text reader for a
// ".rtf" name, the file's text otherwise. False, with the document untouched, when the file cannot
// be read.
bool loadDocumentFile(const QString& path, QTextDocument& document);

// Writes the document in the format its name asks for, replacing the file only once the whole
// content is written. A PDF holds the pages as they are printed on the properties' paper, with their
// title and author. False when it could not be written.
bool saveDocumentFile(const QString& path, const QTextDocument& document,
                      const DocumentProperties& properties = {});

} // namespace qx
