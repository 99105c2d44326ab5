#include "pricelist/CsvReader.h"

#include "data/InputRules.h"
#include "docs/CodePage.h"
#include "pricelist/PriceListTexts.h"

#include <QFile>
#include <QStringDecoder>

namespace qx {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool isBlankRecord(const QStringList& fields) {
    for (const QString& field : fields) {
        if (!isBlank(field))
            return false;
    }
    return true;
}

// Spreadsheets save "Unicode text" as UTF-16 with a byte-order mark.
bool isUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

QString decodePriceList(const QByteArray& bytes) {
    if (isUtf16(bytes)) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        return utf16.decode(bytes);
    }
    if (bytes.startsWith(kUtf8Bom))
        return QString::fromUtf8(bytes.constData() + kUtf8Bom.size(), bytes.size() - kUtf8Bom.size());
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return codepage::decode(bytes, codepage::kWestern);
}

QChar guessSeparator(const QString& text) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

QList<QStringList> splitCsv(const QString& text, QChar separator) {
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;       // inside a quoted field
    bool fieldStarted = false; // the record has a field begun on this line
    const qsizetype size = text.size();
    const QChar* data = text.constData();
    auto endField = [&] {
        fields << field;
        field.clear();
    };
    auto endRecord = [&] {
        endField();
        records << fields;
        fields.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = data[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < size && data[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
            fieldStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && data[i + 1] == u'\n')
                ++i;
            endRecord();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.isEmpty() || !fields.isEmpty())
        endRecord();
    return records;
}

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

CsvRead readCsv(const QByteArray& bytes) {
    CsvRead read;
    if (bytes.size() > kMaxPriceListBytes) {
        read.problem = fileTooLarge(kMaxPriceListBytes);
        return read;
    }
    if (!isUtf16(bytes) && bytes.contains('\0')) {
        read.problem = kFileBinary;
        return read;
    }
    const QString text = decodePriceList(bytes);
    if (isBlank(text)) {
        read.problem = kFileEmpty;
        return read;
    }
    read.table.separator = guessSeparator(text);
    const QList<QStringList> records = splitCsv(text, read.table.separator);
    bool haveHeader = false;
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (isBlankRecord(records[i]))
            continue;
        if (!haveHeader) {
            read.table.header = records[i];
            haveHeader = true;
        } else {
            read.table.records.append({int(i) + 1, records[i]});
        }
    }
    if (read.table.records.isEmpty())
        read.problem = kFileNoRows;
    return read;
}

CsvRead readCsvFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CsvRead read;
        read.problem = fileUnreadable(file.errorString());
        return read;
    }
    if (file.size() > kMaxPriceListBytes) {
        CsvRead read;
        read.problem = fileTooLarge(kMaxPriceListBytes);
        return read;
    }
    return readCsv(file.readAll());
}

} // namespace qx
