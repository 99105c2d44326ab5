#pragma once

#include "data/DataAccess.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace qx {

// The fields one line of the status board's list shows: the date as the user reads it.
struct ListFields {
    QString name;
    QString date;
    QString status;
};

// A line of the list and the register id it stands for, as the register holds it (whether or not an
// estimate can be opened by it); the line "None" stands for no estimate.
struct BoardLine {
    std::optional<qint64> id;
    QString text;
};

// The status board's list: its filter entries and its lines, read from the estimate register.
class StatusList {
public:
    StatusList(DataAccess& data, const Conn& mastConn);

    // The filter entries: the four statuses, then "All".
    static QStringList PopFilter();
    // The lines for a filter entry, in register order; "None" alone when no estimate has that status.
    QList<BoardLine> PopList(const QString& filter);
    // One line, built from the fields themselves so that no character inside a name can shift a column.
    // Under a status: name (29) + " " + date (10). Under "All": name (21) + " " + date (10) + " " +
    // status (cut to 8).
    static QString BuildListItem(const QString& filter, const ListFields& fields);

private:
    DataAccess& m_data;
    Conn m_mast;
};

} // namespace qx
