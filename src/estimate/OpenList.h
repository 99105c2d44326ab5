#pragma once

#include "data/DataAccess.h"
#include "estimate/Validity.h"

#include <QDate>
#include <QList>
#include <array>
#include <optional>

namespace qx {

// One row of an estimate list of the open dialog: the text shown in a fixed-pitch font and the
// estimate's register id (0 for the "None" and blank separator rows, which open nothing).
struct ListRow {
    QString text;
    qint32 id = 0;
    bool operator==(const ListRow&) const = default;
};

// The four lists lstEstList(0) to (3): Working, Pending, Accepted, Rejected.
enum class EstList { Working = 0, Pending = 1, Accepted = 2, Rejected = 3 };
using EstLists = std::array<QList<ListRow>, 4>;

// Row layouts: "WAIT" (Working), "EXPIRE" (Pending) and the three-column layout of Accepted ("ACCEPT")
// and Rejected ("REJECT").
enum class ListKind { Wait, Expire, Accept, Reject };

// x followed by n blanks, cut to its first w characters (code points).
QString padCell(const QString& x, int n, int w);
// The same cell appended to `line` (a row built without a string per cell).
void appendCell(QString& line, const QString& x, int n, int w);
// The row text from the row's fields, each padded on its own, so that no character inside a name or
// an address can move a column: Wait {name, address}; Expire {name, expiry text}; Accept and Reject
// {name, address, date as shown}.
QString BuildListItem(ListKind kind, const QStringList& fields);

// "Expires in N days" for 1 to 59 days left, "**EXPIRED**" once expired, nothing for 60 or more.
std::optional<QString> expiryText(int daysLeft);

inline const QString kNoneRow = QStringLiteral("None");
inline const QString kSeparatorRow = QStringLiteral(" ");

// The estimate register grouped by status for the open dialog.
class OpenList {
public:
    OpenList(DataAccess& data, const Conn& mastConn);

    // The four lists as of `today`. A list without estimates holds the single row "None"; the
    // Pending list has a blank separator row after each estimate, whether it shows a row or not.
    // A failed read is reported; its list shows "None".
    EstLists load(const QDate& today);

private:
    ResultSet estimatesWith(const QString& status);
    QList<ListRow> working();
    QList<ListRow> pending(const QDate& today);
    QList<ListRow> closed(const QString& status, ListKind kind);

    DataAccess& m_data;
    Conn m_mast;
};

} // namespace qx
