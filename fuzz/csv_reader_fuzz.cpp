// Takes arbitrary bytes as a supplier's price list and reads it as the import does: decoding, separator,
// records, the column mapping by header and the number form of every column. Every record read whole is
// then written back field by field as the export writes fields, and must read back the same; every field
// survives the formula guard both ways; no cell is longer than the reader's limit.
#include "FuzzCheck.h"
#include "pricelist/ColumnMapping.h"
#include "pricelist/CsvReader.h"
#include "data/CsvWriter.h"
#include "data/FormulaGuard.h"
#include "pricelist/NumberForm.h"

#include <cstddef>
#include <cstdint>

using namespace qx;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const CsvRead read = readCsv(bytes);
    if (!read.ok())
        return 0;
    ColumnMapping::byHeader(read.table.header);
    columnChoices(read.table.header);
    for (int column = 0; column < read.table.header.size(); ++column)
        guessNumberForm(read.table.records, column);
    int lastRow = 1;
    for (const CsvTable::Record& record : read.table.records) {
        require(record.row > lastRow, "rows are numbered in the order of the file");
        lastRow = record.row;
        require(record.fields.size() <= kMaxCells, "a row holds at most kMaxCells cells");
        for (const QString& field : record.fields)
            require(field.size() <= kMaxCellChars, "a cell is cut at kMaxCellChars", field.left(40));
        if (!record.problem.isEmpty())
            continue;
        QStringList written;
        for (const QString& field : record.fields) {
            require(unguardFormula(guardFormula(field)) == field, "the formula guard reads back", field);
            require(csvCellReadable(field), "a cell read is a cell the writer takes", field.left(40));
            written << csvField(field);
        }
        const auto back = splitCsv(written.join(read.table.separator), read.table.separator);
        require(back && back->size() == 1 && back->first().fields == record.fields &&
                    back->first().problem.isEmpty(),
                "a written record reads back", record.fields.join(u'|'));
    }
    return 0;
}
