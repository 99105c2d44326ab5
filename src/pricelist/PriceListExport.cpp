#include "pricelist/PriceListExport.h"

#include "costs/CostInput.h"
#include "pricelist/FormulaGuard.h"

#include <QSaveFile>

namespace qx {

namespace {

const TrapSite kExportSite{QStringLiteral("cmdExportCsv_Click"), TrapSite::Form,
                           QStringLiteral("frmUnitItem")};
const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

PriceListExport::PriceListExport(DataAccess& data, const Conn& cost)
    : m_data(data)
    , m_cost(cost) {}

QString PriceListExport::header() {
    return QStringLiteral("Type,Category,Manufacturer,SKU,Name,Unit,Description,Price,Price Date");
}

std::optional<QString> PriceListExport::text() {
    std::optional<QString> out;
    m_data.Trap(kExportSite, [&] {
        const ResultSet rows = m_data.Read(
            m_cost,
            QStringLiteral("select costtype, cat, manufacturer, sku, costname, unit, descrip, amount, "
                           "pricedate from costitem order by ID"));
        QString text = header() + kLineEnd;
        for (const QVariantList& row : rows.rows) {
            for (int column = 0; column < 7; ++column)
                text += csvField(guardFormula(row.at(column).toString())) + u',';
            text +=
                (row.at(7).isNull() ? QString() : plainAmount(Money::fromRaw(row.at(7).toLongLong()))) + u',';
            text += csvField(guardFormula(row.at(8).toString())) + kLineEnd;
        }
        m_items = rows.size();
        out = text;
    });
    return out;
}

std::optional<int> PriceListExport::write(const QString& path) {
    const auto content = text();
    if (!content)
        return std::nullopt;
    QSaveFile file(path);
    // The byte-order mark tells spreadsheets that the text is UTF-8.
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + content->toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_data.ShowTrap(Failure(kErrFileAccess, file.errorString()), kExportSite);
        return std::nullopt;
    }
    return m_items;
}

} // namespace qx
