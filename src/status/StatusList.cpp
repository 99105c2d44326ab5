#include "status/StatusList.h"

#include "data/DateText.h"
#include "estimate/OpenList.h"
#include "status/StatusTexts.h"

namespace qx {

namespace {
constexpr int kStatusNameWidth = 29;
constexpr int kAllNameWidth = 21;
constexpr int kDateWidth = 10;
constexpr int kStatusWidth = 8;
} // namespace

StatusList::StatusList(DataAccess& data, const Conn& mastConn)
    : m_data(data)
    , m_mast(mastConn) {}

QStringList StatusList::PopFilter() {
    return {QStringLiteral("Working"), QStringLiteral("Pending"), QStringLiteral("Accepted"),
            QStringLiteral("Rejected"), StatusTexts::kAll};
}

QString StatusList::BuildListItem(const QString& filter, const ListFields& fields) {
    // Each column is filled up to its full width, so an empty name or date keeps the columns after it
    // in place.
    const QLatin1Char blank(' ');
    QString line;
    if (filter == StatusTexts::kAll) {
        line.reserve(kAllNameWidth + kDateWidth + kStatusWidth + 2);
        appendCell(line, fields.name, kAllNameWidth, kAllNameWidth);
        line.append(blank);
        appendCell(line, fields.date, kDateWidth, kDateWidth);
        line.append(blank);
        appendCell(line, fields.status, 0, kStatusWidth);
        return line;
    }
    line.reserve(kStatusNameWidth + kDateWidth + 1);
    appendCell(line, fields.name, kStatusNameWidth, kStatusNameWidth);
    line.append(blank);
    appendCell(line, fields.date, kDateWidth, kDateWidth);
    return line;
}

QList<BoardLine> StatusList::PopList(const QString& filter) {
    QList<BoardLine> lines;
    m_data.Trap({QStringLiteral("PopList"), TrapSite::Form, QStringLiteral("frmManageStatus")}, [&] {
        const bool all = filter == StatusTexts::kAll;
        const ResultSet rows =
            all ? m_data.Read(m_mast,
                              QStringLiteral("select estname,estdate,eststatus,id from master order by id"))
                : m_data.Read(
                      m_mast,
                      QStringLiteral("select estname,estdate,eststatus,id from master where eststatus=? "
                                     "order by id"),
                      {filter});
        ShownDates dates;
        lines.reserve(rows.size());
        for (const QVariantList& row : rows.rows) {
            const ListFields fields{row.at(0).toString(), dates(row.at(1)), row.at(2).toString()};
            lines.append({row.at(3).toLongLong(), BuildListItem(filter, fields)});
        }
    });
    if (lines.isEmpty())
        lines.append({std::nullopt, StatusTexts::kNone});
    return lines;
}

} // namespace qx
