#include "docs/PdfInfo.h"

#include <QDateTime>
#include <QRegularExpression>

namespace qx {

namespace {

// A PDF text string: UTF-16 with its byte-order mark, in hexadecimal.
QByteArray pdfString(const QString& text) {
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16 += char(c.unicode() >> 8);
        utf16 += char(c.unicode() & 0xFF);
    }
    return '<' + utf16.toHex().toUpper() + '>';
}

} // namespace

QByteArray withPdfInfo(const QByteArray& pdf, const QString& title, const QString& author) {
    if (author.isEmpty())
        return pdf;
    const QString tail = QString::fromLatin1(pdf.right(4096));
    static const QRegularExpression trailer(
        QStringLiteral("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)\\s*%%EOF\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch end = trailer.match(tail);
    if (!end.hasMatch())
        return pdf;
    static const QRegularExpression infoRef(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
    const QRegularExpressionMatch info = infoRef.match(end.captured(1));
    if (!info.hasMatch())
        return pdf;
    const QByteArray number = info.captured(1).toLatin1();

    // The information anew under its own number; the new cross-reference section names only it and
    // points back to the previous one.
    QByteArray update = "\n";
    const qsizetype offset = pdf.size() + update.size();
    update += number + " 0 obj\n<<\n/Title " + pdfString(title) + "\n/Author " + pdfString(author) +
              "\n/Creator " + pdfString(QStringLiteral("Quorvex")) + "\n/CreationDate (D:" +
              QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() +
              "Z)\n>>\nendobj\n";
    const qsizetype xref = pdf.size() + update.size();
    update += "xref\n" + number + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    QString entries = end.captured(1);
    entries.remove(QRegularExpression(QStringLiteral("/Prev\\s+\\d+")));
    update += "trailer\n<<" + entries.toLatin1() + "/Prev " + end.captured(2).toLatin1() +
              "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf + update;
}

} // namespace qx
