#include "pricelist/PriceListExport.h"

#include "data/CsvWriter.h"
#include "pricelist/PriceListTexts.h"

#include <QSaveFile>

namespace qx {

namespace {

const TrapSite kExportSite{QStringLiteral("cmdExportCsv_Click"), TrapSite::Form,
                           QStringLiteral("frmUnitItem")};
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// The columns read as texts, between the ID and the price.
constexpr int kFirstText = 1, kLastText = 7;

} // namespace

PriceListExport::PriceListExport(DataAccess& data, const Conn& cost)
    : m_data(data)
    , m_cost(cost) {}

QString PriceListExport::header() {
    return QStringLiteral("ID,Type,Category,Manufacturer,SKU,Name,Unit,Description,Price,Price Date");
}

QString PriceListExport::priceText(Money amount) {
    const QString four = amount.toPlain(4);
    return four.endsWith(QStringLiteral("00")) ? amount.toPlain(2) : four;
}

std::optional<QString> PriceListExport::text() {
    m_problem.clear();
    std::optional<QString> out;
    m_data.Trap(kExportSite, [&] {
        const ResultSet rows =
            m_data.Read(m_cost, QStringLiteral("select ID, costtype, cat, manufacturer, sku, costname, unit, "
                                               "descrip, amount, pricedate from costitem order by ID"));
        if (rows.size() > kMaxRows) {
            m_problem = exportTooManyRows(kMaxRows);
            return;
        }
        QString text = csvLine({header()});
        for (const QVariantList& row : rows.rows) {
            QStringList cells{row.at(0).toString()};
            for (int column = kFirstText; column <= kLastText; ++column)
                cells << row.at(column).toString();
            cells << row.at(9).toString();
            if (!std::all_of(cells.begin(), cells.end(), csvCellReadable)) {
                m_problem = exportItemUnreadable(row.at(0).toInt(), kMaxCellChars);
                return;
            }
            for (QString& cell : cells)
                cell = csvTextCell(cell);
            cells.insert(kLastText + 1,
                         row.at(8).isNull() ? QString() : priceText(Money::fromRaw(row.at(8).toLongLong())));
            text += csvLine(cells);
        }
        m_items = int(rows.size());
        out = text;
    });
    return out;
}

std::optional<int> PriceListExport::write(const QString& path) {
    const auto content = text();
    if (!content)
        return std::nullopt;
    // The byte-order mark tells spreadsheets that the text is UTF-8.
    const QByteArray bytes = kUtf8Bom + content->toUtf8();
    if (bytes.size() > kMaxPriceListBytes) {
        m_problem = exportTooLarge(kMaxPriceListBytes);
        return std::nullopt;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_data.ShowTrap(Failure(kErrFileAccess, file.errorString()), kExportSite);
        return std::nullopt;
    }
    return m_items;
}

} // namespace qx
