#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure output for Qt texts in GoogleTest assertions. Every test source must see these (the
// support header TestFolders.h includes them), or the printers of one test program would disagree.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "{";
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", " : "") << '"' << list.at(i).toStdString() << '"';
    *os << "}";
}
