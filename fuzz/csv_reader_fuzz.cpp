// Takes arbitrary bytes as a supplier's price list and reads it as the import does: decoding, separator,
// records, the column mapping by header. Every record read is then written back field by field as the
// export writes fields, and must read back the same; every field survives the formula guard both ways.
#include "FuzzCheck.h"
#include "pricelist/ColumnMapping.h"
#include "pricelist/CsvReader.h"
#include "pricelist/FormulaGuard.h"

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
    int lastRow = 1;
    for (const CsvTable::Record& record : read.table.records) {
        require(record.row > lastRow, "rows are numbered in the order of the file");
        lastRow = record.row;
        QStringList written;
        for (const QString& field : record.fields) {
            require(unguardFormula(guardFormula(field)) == field, "the formula guard reads back", field);
            written << csvField(field);
        }
        const QList<QStringList> back = splitCsv(written.join(read.table.separator), read.table.separator);
        require(back.size() == 1 && back.first() == record.fields, "a written record reads back",
                record.fields.join(u'|'));
    }
    return 0;
}
