// The printer module: Qt's printer and print dialog behind the program's DesktopPrinter.
#include "data/DesktopPrinter.h"

#include <QPrintDialog>
#include <QPrinter>

namespace qx {

namespace {

class QtDesktopPrinter : public DesktopPrinter {
public:
    QtDesktopPrinter(const QPageSize& paper, const QString& documentName) {
        m_printer.setPageSize(paper);
        m_printer.setDocName(documentName);
        m_printer.setCreator(QStringLiteral("Quorvex"));
    }

    QPagedPaintDevice& device() override { return m_printer; }

    bool showDialog(QWidget* parent, const QString& title, bool selectionOffered,
                    bool& selectionOnly) override {
        QPrintDialog dialog(&m_printer, parent);
        dialog.setWindowTitle(title);
        QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
        if (selectionOffered) {
            options |= QAbstractPrintDialog::PrintSelection;
            dialog.setPrintRange(QAbstractPrintDialog::Selection);
        } else {
            dialog.setPrintRange(QAbstractPrintDialog::AllPages);
        }
        dialog.setOptions(options);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        selectionOnly = dialog.printRange() == QAbstractPrintDialog::Selection;
        return true;
    }

    void printToPdf(const QString& file) override {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(file);
    }

    QString pdfFile() const override {
        return m_printer.outputFormat() == QPrinter::PdfFormat ? m_printer.outputFileName() : QString();
    }

private:
    QPrinter m_printer{QPrinter::HighResolution};
};

} // namespace

} // namespace qx

extern "C" Q_DECL_EXPORT qx::DesktopPrinter* qxMakeDesktopPrinter(const QPageSize& paper,
                                                                  const QString& documentName) {
    return new qx::QtDesktopPrinter(paper, documentName);
}
