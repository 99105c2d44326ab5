#pragma once

#include "data/CsvWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
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
        // Why the record cannot be read (a quote never closed, a cell beyond kMaxCellChars); empty when
        // it can. Such a record keeps what it read, and the rows after it are read as usual.
        QString problem;
    };
    QList<Record> records;
};

struct CsvRead {
    CsvTable table;
    QString problem; // empty when the file can be read as a price list
    bool cancelled = false;

    bool ok() const { return problem.isEmpty() && !cancelled; }
};

// The largest price list, read and written: the whole file is held in memory while it is read, and
// the export of 50,000 cost items whose texts fill their columns takes under 50 MB.
inline constexpr qint64 kMaxPriceListBytes = 64LL * 1024 * 1024;
// The most cells a row and rows a file hold: a file of nothing but separators or line breaks would
// otherwise take gigabytes of memory while it is read.
inline constexpr qsizetype kMaxCells = 1000;
inline constexpr qsizetype kMaxRows = 1'000'000;

// Called now and then while a large file is read; false cancels the reading.
using ReadProgress = std::function<bool(qint64 done, qint64 total)>;

// Decodes the bytes of a price list: UTF-16 or UTF-8 after their byte-order marks, UTF-8 when the bytes
// are valid UTF-8, Windows-1252 otherwise.
QString decodePriceList(const QByteArray& bytes);
// Splits decoded text into records of fields, numbered from 1 (blank records count, but are left out).
// A quote that is never closed (or is closed only rows later, with text right after the closing quote)
// makes its record refused and the reading goes on at the line after the quote; a cell beyond kMaxCellChars
// is cut there, and cells beyond kMaxCells are left out, refusing their record. Nothing when `progress`
// cancelled.
std::optional<QList<CsvTable::Record>> splitCsv(const QString& text, QChar separator,
                                                const ReadProgress& progress = {});
// The separator the first line uses: a semicolon when it holds more of them than commas.
QChar guessSeparator(const QString& text);

// Reads a price list from bytes: refuses an empty file, one with binary data (a NUL character, however
// encoded), one beyond kMaxPriceListBytes or kMaxRows, one whose header cannot be read and one with a
// header and no rows, each with its message.
CsvRead readCsv(const QByteArray& bytes, const ReadProgress& progress = {});
// The same from a file; a file that cannot be opened is refused with its message.
CsvRead readCsvFile(const QString& path, const ReadProgress& progress = {});

} // namespace qx
