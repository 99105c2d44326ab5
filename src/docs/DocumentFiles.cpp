#include "docs/DocumentFiles.h"

#include "docs/PagePrinter.h"
#include "docs/PdfInfo.h"
#include "docs/RtfReader.h"
#include "docs/RtfWriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace qx {

namespace {
const QString kAllFiles = QStringLiteral("All Files (*)");
const QString kRtfFiles = QStringLiteral("RTF Files (*.rtf)");
const QString kTextFiles = QStringLiteral("Text Files (*.txt)");
const QString kPdfFiles = QStringLiteral("PDF Files (*.pdf)");
const QString kSeparator = QStringLiteral(";;");

bool endsWithSuffix(const QString& path, const char* suffix) {
    return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

bool writePdf(QSaveFile& file, const QTextDocument& document, const DocumentProperties& properties) {
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pages);
        writer.setPageSize(properties.paper);
        writer.setTitle(properties.title);
        writer.setCreator(QStringLiteral("Quorvex"));
        if (printPages(document, writer) == 0)
            return false;
    }
    return file.write(withPdfInfo(pages.data(), properties.title, properties.author)) >= 0;
}
} // namespace

DocumentFormat formatOfFile(const QString& path) {
    if (endsWithSuffix(path, "rtf"))
        return DocumentFormat::RichText;
    if (endsWithSuffix(path, ".pdf"))
        return DocumentFormat::Pdf;
    return DocumentFormat::PlainText;
}

QString openFilters() {
    return kAllFiles + kSeparator + kRtfFiles + kSeparator + kTextFiles;
}

QString saveFilters() {
    return openFilters() + kSeparator + kPdfFiles;
}

QString rtfFilter() {
    return kRtfFiles;
}

QString replaceQuestion(const QString& path) {
    return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName());
}

bool loadDocumentFile(const QString& path, QTextDocument& document) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (formatOfFile(path) == DocumentFormat::RichText)
        readRtf(data, document);
    else
        document.setPlainText(QString::fromUtf8(data));
    return true;
}

bool saveDocumentFile(const QString& path, const QTextDocument& document,
                      const DocumentProperties& properties) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = true;
    switch (formatOfFile(path)) {
    case DocumentFormat::RichText:
        written = file.write(writeRtf(document)) >= 0;
        break;
    case DocumentFormat::PlainText:
        written = file.write(document.toPlainText().toUtf8()) >= 0;
        break;
    case DocumentFormat::Pdf:
        written = writePdf(file, document, properties);
        break;
    }
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace qx
