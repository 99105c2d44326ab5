#include "docs/UiPrintJob.h"

#include "data/Prompter.h"
#include "docs/BlankForms.h"
#include "docs/DocumentFiles.h"
#include "docs/PagePrinter.h"

#include <QDir>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace qx {

namespace {
const QString kPrintTitle = QStringLiteral("Print");
} // namespace

bool printWithDialog(Prompter& prompter, const QTextDocument& document, const QTextCursor& cursor) {
    QPrinter printer(QPrinter::HighResolution);
    PrintRequest request;
    request.printer = &printer;
    request.selectionOffered = cursor.hasSelection();
    if (!prompter.acceptPrint(kPrintTitle, request))
        return false;
    if (!request.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(request.pdfFile);
    }
    if (request.selectionOnly && cursor.hasSelection()) {
        QTextDocument selection;
        selection.setDefaultFont(document.defaultFont());
        QTextCursor(&selection).insertFragment(cursor.selection());
        return printPages(selection, printer) > 0;
    }
    return printPages(document, printer) > 0;
}

bool PrintBlankForm(Prompter& prompter, const QString& templatesDir, const QString& kind) {
    const BlankForm form = blankFormOfKind(kind);
    if (form.kind.isEmpty())
        return false;
    // rtfPrintOut: the form's own document, apart from every editor on screen.
    QTextDocument rtfPrintOut;
    if (const auto error = loadBlankForm(templatesDir, form, rtfPrintOut)) {
        prompter.inform(kAppTitle, *error, Prompter::Icon::Critical);
        return false;
    }
    return printWithDialog(prompter, rtfPrintOut, QTextCursor(&rtfPrintOut));
}

} // namespace qx
