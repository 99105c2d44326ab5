#pragma once

#include <QString>

#include <cstdio>

namespace qx::uidrive {

// Writes one line of the run's output at once, so that the lines of the script's steps and the
// program's messages come out in the order they happened.
inline void printLine(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// A text on one output line: line breaks written as \n.
inline QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

} // namespace qx::uidrive
