#pragma once

#include <QPageSize>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QWidget;

namespace qx {

// A printer of the desktop with its print dialog. It is made by the printer module (quorvex_print.so),
// the only part of the program that loads Qt's printing library, on the first print: a start never
// loads it.
class DesktopPrinter {
public:
    virtual ~DesktopPrinter() = default;

    // What the pages are painted on: the printer the dialog chose, or the PDF file printed to.
    virtual QPagedPaintDevice& device() = 0;
    // The print dialog titled `title` over `parent`, offering "Selection" (and choosing it at first)
    // when `selectionOffered`. True when the user chose to print; `selectionOnly` is then the choice.
    virtual bool showDialog(QWidget* parent, const QString& title, bool selectionOffered,
                            bool& selectionOnly) = 0;
    // Prints to the PDF file `file` instead of the chosen printer.
    virtual void printToPdf(const QString& file) = 0;
    // The PDF file printed to (chosen here or in the dialog); empty when printing on paper.
    virtual QString pdfFile() const = 0;
};

// What a print says when the printer module is missing.
inline const QString kPrinterMissing = QStringLiteral(
    "Quorvex cannot print: its printer module (quorvex_print.so) is missing beside the program.");

// A printer on `paper` whose jobs are named `documentName`; null when the printer module is missing.
std::unique_ptr<DesktopPrinter> makeDesktopPrinter(const QPageSize& paper, const QString& documentName);

// The printer module's one entry, and its signature.
using DesktopPrinterMaker = DesktopPrinter* (*)(const QPageSize& paper, const QString& documentName);
inline constexpr char kDesktopPrinterEntry[] = "qxMakeDesktopPrinter";

} // namespace qx
