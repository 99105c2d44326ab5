#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

// A price list as a supplier sends it: text in UTF-8 (with or without a byte-order mark), UTF-16 with its
// byte-order mark or, when the bytes are no UTF-8, Windows-1252; fields separated by commas or semicolons
// (whichever the first line uses more); a field in double quotes may hold separators, line breaks and doubled
// quotes.
struct CsvTable {
    QChar separator = u',';
    QStringList header;
    // The records after the header, each with the number of its row in the file (the header is row 1;
    // a quoted line break does not start a new row). Blank records are left out.
    struct Record {
        int row = 0;
        QStringList fields;
    };
    QList<Record> records;
};

struct CsvRead {
    CsvTable table;
    QString problem; // empty when the file can be read as a price list

    bool ok() const { return problem.isEmpty(); }
};

// The largest price list read: the whole file is held in memory while it is read, and a list of
// 50,000 items takes a few megabytes, so a file larger than this is no price list.
inline constexpr qint64 kMaxPriceListBytes = 32LL * 1024 * 1024;

// Decodes the bytes of a price list: UTF-16 or UTF-8 after their byte-order marks, UTF-8 when the bytes
// are valid UTF-8, Windows-1252 otherwise.
QString decodePriceList(const QByteArray& bytes);
// Splits decoded text into records of fields.
QList<QStringList> splitCsv(const QString& text, QChar separator);
// The separator the first line uses: a semicolon when it holds more of them than commas.
QChar guessSeparator(const QString& text);

// Reads a price list from bytes: refuses an empty file, one with binary bytes (NUL), one beyond
// kMaxPriceListBytes and one with a header and no rows, each with its message.
CsvRead readCsv(const QByteArray& bytes);
// The same from a file; a file that cannot be opened is refused with its message.
CsvRead readCsvFile(const QString& path);

// One field as a price list is written: quoted when it holds a comma, a semicolon, a quote, a line break
// or blanks at its ends, with its quotes doubled, so that splitCsv reads it back as it was.
QString csvField(const QString& text);

} // namespace qx
