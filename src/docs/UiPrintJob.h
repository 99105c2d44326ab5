#pragma once

#include <QString>

class QTextCursor;
class QTextDocument;

namespace qx {

class Prompter;
struct TwipMargins;

// Shows the print dialog ("Selection" offered and chosen at first when `cursor` has a selection) and
// prints the selection or the whole document page by page. False when the user cancelled or nothing
// could be printed; the document itself is never changed.
bool printWithDialog(Prompter& prompter, const QTextDocument& document, const QTextCursor& cursor);

// Prints one of the blank paper forms from its template in `templatesDir` (a missing template prints
// an empty page); `kind` is "lead", "roof", "detail" or "main".
bool PrintBlankForm(Prompter& prompter, const QString& templatesDir, const QString& kind);

} // namespace qx
