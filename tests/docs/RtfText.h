#pragma once

#include "QtPrinters.h"

#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace qxtest {

// A document's text with its paragraphs on lines of their own and a line break as "|".
inline QString textOf(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text().replace(QChar(QChar::LineSeparator), QLatin1Char('|'));
    return blocks.join(QLatin1Char('\n'));
}

// Every paragraph's format and every run's text and format, one line each, for comparing documents.
QStringList describe(const QTextDocument& doc);

} // namespace qxtest
