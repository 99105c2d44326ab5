#include "estimate/OpenList.h"

#include "data/DateText.h"

#include <algorithm>

namespace qx {

namespace {

const TrapSite kLoadSite{QStringLiteral("Form_Load"), TrapSite::Form, QStringLiteral("frmOpenEst")};

// A line break or tab inside a value would break the row's columns: it shows as a blank. Most
// characters are printable ASCII, told apart without a look into the character tables.
bool breaksLine(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0x20 && u < 0x7f)
        return false;
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

QString field(const QStringList& fields, int index) {
    return index < fields.size() ? fields.at(index) : QString();
}

} // namespace

void appendCell(QString& line, const QString& x, int n, int w) {
    // One pass over the text, counting code points (a surrogate pair is one), appending runs of
    // characters that stay as they are in one go: the lists build tens of thousands of cells.
    const QChar* text = x.constData();
    const qsizetype size = x.size();
    qsizetype run = 0;
    qsizetype i = 0;
    int points = 0;
    for (; i < size && points < w; ++i, ++points) {
        if (text[i].isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (breaksLine(text[i])) {
            line.append(text + run, i - run).append(QLatin1Char(' '));
            run = i + 1;
        }
    }
    line.append(text + run, i - run);
    const int blanks = std::min(n, w - points);
    if (blanks > 0)
        line.resize(line.size() + blanks, QLatin1Char(' '));
}

QString padCell(const QString& x, int n, int w) {
    QString cell;
    cell.reserve(w);
    appendCell(cell, x, n, w);
    return cell;
}

QString BuildListItem(ListKind kind, const QStringList& fields) {
    const QLatin1Char blank(' ');
    QString row;
    row.reserve(56);
    switch (kind) {
    case ListKind::Wait:
        appendCell(row, field(fields, 0), 20, 20);
        row.append(QLatin1String("  "));
        appendCell(row, field(fields, 1), 0, 28);
        break;
    case ListKind::Expire:
        appendCell(row, field(fields, 0), 14, 25);
        row.append(blank);
        appendCell(row, field(fields, 1), 24, 25);
        row.append(blank);
        break;
    case ListKind::Accept:
    case ListKind::Reject:
        appendCell(row, field(fields, 0), 14, 16);
        row.append(blank);
        appendCell(row, field(fields, 1), 14, 17);
        row.append(blank);
        appendCell(row, field(fields, 2), 9, 10);
        break;
    }
    return row;
}

std::optional<QString> expiryText(int days) {
    if (days >= 60)
        return std::nullopt;
    if (hasExpired(days))
        return QStringLiteral("**EXPIRED**");
    return QStringLiteral("Expires in %1 days").arg(days);
}

OpenList::OpenList(DataAccess& data, const Conn& mastConn)
    : m_data(data)
    , m_mast(mastConn) {}

EstLists OpenList::load(const QDate& today) {
    EstLists lists;
    m_data.Trap(kLoadSite, [&] {
        lists[size_t(EstList::Working)] = working();
        lists[size_t(EstList::Pending)] = pending(today);
        lists[size_t(EstList::Accepted)] = closed(QStringLiteral("Accepted"), ListKind::Accept);
        lists[size_t(EstList::Rejected)] = closed(QStringLiteral("Rejected"), ListKind::Reject);
    });
    for (QList<ListRow>& list : lists) {
        if (list.isEmpty())
            list.append({kNoneRow, 0});
    }
    return lists;
}

// The register's estimates of one status, oldest first: name, address, id, date, validity length.
ResultSet OpenList::estimatesWith(const QString& status) {
    return m_data.Read(m_mast,
                       QStringLiteral("select estname,estaddress,id,estdate,estlength from master "
                                      "where eststatus=? order by estdate asc"),
                       {status});
}

QList<ListRow> OpenList::working() {
    QList<ListRow> rows;
    for (const QVariantList& row : estimatesWith(QStringLiteral("Working")).rows)
        rows.append({BuildListItem(ListKind::Wait, {row.at(0).toString(), row.at(1).toString()}),
                     qint32(row.at(2).toLongLong())});
    return rows;
}

QList<ListRow> OpenList::pending(const QDate& today) {
    QList<ListRow> rows;
    for (const QVariantList& row : estimatesWith(QStringLiteral("Pending")).rows) {
        const int days = daysLeft(dateFromStored(row.at(3).toString()), int(row.at(4).toLongLong()), today);
        if (const auto expiry = expiryText(days))
            rows.append({BuildListItem(ListKind::Expire, {row.at(0).toString(), *expiry}),
                         qint32(row.at(2).toLongLong())});
        rows.append({kSeparatorRow, 0});
    }
    return rows;
}

QList<ListRow> OpenList::closed(const QString& status, ListKind kind) {
    QList<ListRow> rows;
    ShownDates dates;
    const ResultSet stored = estimatesWith(status);
    rows.reserve(stored.size());
    for (const QVariantList& row : stored.rows) {
        // A stored text that is no date shows empty here, as it always has.
        const QString date = dates.dateOnly(row.at(3).toString());
        rows.append({BuildListItem(kind, {row.at(0).toString(), row.at(1).toString(), date}),
                     qint32(row.at(2).toLongLong())});
    }
    return rows;
}

} // namespace qx
