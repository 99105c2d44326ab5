#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>

namespace qxpdf {

namespace {

std::optional<QString> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::optional<QString> infoText(const QString& path) {
    return run(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path});
}

} // namespace

std::optional<QString> text(const QString& path, const QStringList& options) {
    const std::optional<QString> out =
        run(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    if (!out)
        return std::nullopt;
    return out->normalized(QString::NormalizationForm_KC);
}

std::optional<QSizeF> pageSize(const QString& path) {
    const std::optional<QString> out = infoText(path);
    if (!out)
        return std::nullopt;
    // "Page size:      612 x 792 pts (letter)"
    static const QRegularExpression size(QStringLiteral("^Page size:\\s+([0-9.]+) x ([0-9.]+) pts"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = size.match(*out);
    if (!match.hasMatch())
        return std::nullopt;
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

QString info(const QString& path, const QString& key) {
    const std::optional<QString> out = infoText(path);
    if (!out)
        return {};
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    return line.match(*out).captured(1).trimmed();
}

} // namespace qxpdf
