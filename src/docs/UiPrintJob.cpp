#include "docs/UiPrintJob.h"

#include "data/DesktopPrinter.h"
#include "data/Prompter.h"
#include "docs/BlankForms.h"
#include "docs/DocumentFiles.h"
#include "docs/PagePrinter.h"
#include "docs/PdfInfo.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace qx {

namespace {
const QString kPrintTitle = QStringLiteral("Print");
} // namespace

namespace {
// A PDF the print dialog wrote gets the title and author the printer cannot set itself.
void addInfoToPdf(const QString& pdfFile, const QString& title, const QString& author) {
    if (pdfFile.isEmpty())
        return;
    QFile pdf(pdfFile);
    if (!pdf.open(QIODevice::ReadOnly))
        return;
    const QByteArray pages = pdf.readAll();
    pdf.close();
    QSaveFile updated(pdfFile);
    if (updated.open(QIODevice::WriteOnly) && updated.write(withPdfInfo(pages, title, author)) >= 0)
        updated.commit();
}

int printDocument(const QTextDocument& document, const QTextCursor& cursor, bool selectionOnly,
                  QPagedPaintDevice& printer) {
    if (!selectionOnly || !cursor.hasSelection())
        return printPages(document, printer);
    QTextDocument selection;
    selection.setDefaultFont(document.defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    return printPages(selection, printer);
}
} // namespace

bool printWithDialog(Prompter& prompter, const QTextDocument& document, const QTextCursor& cursor,
                     const DocumentProperties& properties) {
    const std::unique_ptr<DesktopPrinter> printer = makeDesktopPrinter(properties.paper, properties.title);
    if (!printer) {
        prompter.inform(kAppTitle, kPrinterMissing, Prompter::Icon::Critical);
        return false;
    }
    PrintRequest request;
    request.printer = printer.get();
    request.selectionOffered = cursor.hasSelection();
    if (!prompter.acceptPrint(kPrintTitle, request))
        return false;
    if (!request.pdfFile.isEmpty())
        printer->printToPdf(request.pdfFile);
    if (printDocument(document, cursor, request.selectionOnly, printer->device()) == 0)
        return false;
    addInfoToPdf(printer->pdfFile(), properties.title, properties.author);
    return true;
}

bool PrintBlankForm(Prompter& prompter, const QString& templatesDir, const QString& kind,
                    const SettingsStore* settings) {
    const BlankForm form = blankFormOfKind(kind);
    if (form.kind.isEmpty())
        return false;
    // rtfPrintOut: the form's own document, apart from every editor on screen.
    QTextDocument rtfPrintOut;
    if (const auto error = loadBlankForm(templatesDir, form, rtfPrintOut)) {
        prompter.inform(kAppTitle, *error, Prompter::Icon::Critical);
        return false;
    }
    return printWithDialog(prompter, rtfPrintOut, QTextCursor(&rtfPrintOut),
                           settings ? DocumentProperties::read(*settings, form.caption, QString())
                                    : DocumentProperties{});
}

} // namespace qx
