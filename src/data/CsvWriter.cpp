#include "data/CsvWriter.h"

#include "data/FormulaGuard.h"

namespace qx {

QString csvField(const QString& text) {
    const bool quote = text.contains(u',') || text.contains(u';') || text.contains(u'"') ||
                       text.contains(u'\n') || text.contains(u'\r') ||
                       (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvTextCell(const QString& text) {
    return csvField(guardFormula(text));
}

QString csvLine(const QStringList& cells) {
    return cells.join(u',') + kCsvLineEnd;
}

bool csvCellReadable(const QString& text) {
    return text.size() <= kMaxCellChars && !text.contains(QChar(u'\0'));
}

} // namespace qx
