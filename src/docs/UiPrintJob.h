#pragma once

#include "docs/PaperSetup.h"

#include <QString>

class QTextCursor;
class QTextDocument;

namespace qx {

class Prompter;
struct TwipMargins;

// Shows the print dialog ("Selection" offered and chosen at first when `cursor` has a selection) and
// prints the selection or the whole document page by page. False when the user cancelled or nothing
// could be printed; the document itself is never changed.
// The printer starts on the properties' paper; a PDF printed to gets their title and author.
bool printWithDialog(Prompter& prompter, const QTextDocument& document, const QTextCursor& cursor,
                     const DocumentProperties& properties = {});

// Prints one of the blank paper forms from its template in `templatesDir` (a missing template prints
// an empty page); `kind` is "lead", "roof", "detail" or "main". The paper and the author come from
// `settings` when given.
bool PrintBlankForm(Prompter& prompter, const QString& templatesDir, const QString& kind,
                    const SettingsStore* settings = nullptr);

} // namespace qx
