// qxpdftext PATH: prints the text of the PDF file PATH as pdftotext reads it, in Unicode compatibility
// form (ligatures as plain letters), so that the end-to-end scripts compare it whatever fonts the
// machine has. Exits 1 when pdftotext cannot read the file.
#include "PdfText.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: qxpdftext PATH\n", stderr);
        return 2;
    }
    const std::optional<QString> text = qxpdf::text(QString::fromLocal8Bit(argv[1]));
    if (!text) {
        std::fprintf(stderr, "pdftotext cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray bytes = text->toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}
