#include "pricelist/CsvReader.h"

#include "data/InputRules.h"
#include "docs/CodePage.h"
#include "pricelist/PriceListTexts.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringView>

namespace qx {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Characters between two progress reports.
constexpr qsizetype kProgressChars = 1 << 20;

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

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

// A field being read: text up to kMaxCellChars, and whether more was cut.
struct FieldText {
    QString text;
    bool cut = false;

    void append(const QChar* from, qsizetype count) {
        const qsizetype room = kMaxCellChars - text.size();
        if (count > room) {
            cut = true;
            count = room;
        }
        text.append(from, count);
    }
};

// Reads records one after the other from decoded text.
class CsvSplitter {
public:
    CsvSplitter(const QString& text, QChar separator)
        : m_data(text.constData())
        , m_size(text.size())
        , m_separator(separator) {}

    qsizetype size() const { return m_size; }

    // Reads the record that starts at `pos` into `record`; the position after it.
    qsizetype read(qsizetype pos, CsvTable::Record& record) const {
        FieldText field;
        bool cut = false;
        auto endField = [&] {
            cut = cut || field.cut || record.fields.size() == kMaxCells;
            if (record.fields.size() < kMaxCells)
                record.fields << field.text;
            field = FieldText();
        };
        qsizetype i = pos;
        while (i < m_size) {
            const QChar c = m_data[i];
            if (c == u'"' && field.text.isEmpty() && !field.cut) {
                const qsizetype after = readQuoted(i + 1, field);
                if (after < 0 || strayQuote(i, after))
                    return unclosed(i, record);
                i = after;
            } else if (c == m_separator) {
                endField();
                ++i;
            } else if (isLineBreak(c)) {
                i += c == u'\r' && i + 1 < m_size && m_data[i + 1] == u'\n' ? 2 : 1;
                break;
            } else {
                // A quote inside an unquoted field is a character of it.
                qsizetype end = i + 1;
                while (end < m_size && !isSpecial(m_data[end]))
                    ++end;
                field.append(m_data + i, end - i);
                i = end;
            }
        }
        endField();
        if (cut)
            record.problem = whyCellsTooLarge(kMaxCellChars, kMaxCells);
        return i;
    }

private:
    bool isSpecial(QChar c) const { return c == m_separator || c == u'"' || isLineBreak(c); }

    // Reads a quoted field from just after its opening quote; the position after its closing quote, or
    // -1 when the text ends first.
    qsizetype readQuoted(qsizetype i, FieldText& field) const {
        for (;;) {
            const qsizetype quote = QStringView(m_data + i, m_size - i).indexOf(u'"');
            if (quote < 0)
                return -1;
            field.append(m_data + i, quote);
            i += quote + 1;
            if (i < m_size && m_data[i] == u'"') {
                field.append(m_data + i, 1);
                ++i;
                continue;
            }
            return i;
        }
    }

    // A quoted cell from `open` to just before `after` that runs over a line break and whose closing
    // quote has more text after it: its quote was opened by mistake, and the quote that seemed to close
    // it opens a cell of a later row.
    bool strayQuote(qsizetype open, qsizetype after) const {
        if (after >= m_size || m_data[after] == m_separator || isLineBreak(m_data[after]))
            return false;
        const QStringView cell(m_data + open, after - open);
        return cell.contains(u'\n') || cell.contains(u'\r');
    }

    // A quote at `quoteAt` was never closed: its record keeps the rest of that line as it stands, and
    // reading goes on at the next line.
    qsizetype unclosed(qsizetype quoteAt, CsvTable::Record& record) const {
        FieldText field;
        qsizetype end = quoteAt;
        while (end < m_size && !isLineBreak(m_data[end]))
            ++end;
        field.append(m_data + quoteAt, end - quoteAt);
        if (record.fields.size() < kMaxCells)
            record.fields << field.text;
        record.problem = kWhyQuoteOpen;
        if (end < m_size)
            end += m_data[end] == u'\r' && end + 1 < m_size && m_data[end + 1] == u'\n' ? 2 : 1;
        return end;
    }

    const QChar* m_data;
    qsizetype m_size;
    QChar m_separator;
};

CsvRead refusal(const QString& problem) {
    CsvRead read;
    read.problem = problem;
    return read;
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
        else if (!quoted && isLineBreak(c))
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
    }
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

std::optional<QList<CsvTable::Record>> splitCsv(const QString& text, QChar separator,
                                                const ReadProgress& progress) {
    const CsvSplitter splitter(text, separator);
    QList<CsvTable::Record> records;
    qsizetype reported = 0;
    int row = 0;
    for (qsizetype pos = 0; pos < splitter.size();) {
        if (progress && pos - reported >= kProgressChars) {
            reported = pos;
            if (!progress(pos, splitter.size()))
                return std::nullopt;
        }
        CsvTable::Record record;
        record.row = ++row;
        pos = splitter.read(pos, record);
        if (!record.problem.isEmpty() || !isBlankRecord(record.fields))
            records << std::move(record);
        // A header and kMaxRows rows are the most a file holds: one more tells enough.
        if (records.size() > kMaxRows + 1)
            break;
    }
    return records;
}

CsvRead readCsv(const QByteArray& bytes, const ReadProgress& progress) {
    if (bytes.size() > kMaxPriceListBytes)
        return refusal(fileTooLarge(kMaxPriceListBytes));
    const QString text = decodePriceList(bytes);
    // One rule whatever the encoding: a NUL is binary data, in UTF-8 as in UTF-16.
    if (text.contains(QChar(u'\0')))
        return refusal(kFileBinary);
    if (isBlank(text))
        return refusal(kFileEmpty);
    CsvRead read;
    read.table.separator = guessSeparator(text);
    auto records = splitCsv(text, read.table.separator, progress);
    if (!records) {
        read.cancelled = true;
        return read;
    }
    // The header and at most kMaxRows rows after it.
    if (records->size() > kMaxRows + 1)
        return refusal(fileTooManyRows(kMaxRows));
    if (!records->isEmpty() && !records->front().problem.isEmpty())
        return refusal(fileHeaderUnreadable(records->front().problem));
    if (records->isEmpty())
        return refusal(kFileNoRows);
    read.table.header = std::move(records->front().fields);
    records->removeFirst();
    read.table.records = std::move(*records);
    if (read.table.records.isEmpty())
        read.problem = kFileNoRows;
    return read;
}

CsvRead readCsvFile(const QString& path, const ReadProgress& progress) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refusal(fileUnreadable(file.errorString()));
    if (file.size() > kMaxPriceListBytes)
        return refusal(fileTooLarge(kMaxPriceListBytes));
    return readCsv(file.readAll(), progress);
}

} // namespace qx
