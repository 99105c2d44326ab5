#include "revisions/RevisionDigests.h"

#include "data/Catalogue.h"
#include "data/SqlFile.h"
#include "data/TableInfo.h"

#include <QRegularExpression>

namespace qx {

namespace {

const QString kTable = QStringLiteral("revisiondigest");

} // namespace

RevisionDigests::RevisionDigests(Database& register_)
    : m_db(register_) {}

bool RevisionDigests::isDigest(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{64}$"));
    return pattern.match(text).hasMatch();
}

bool RevisionDigests::hasTable() {
    return qx::hasTable(m_db, kTable);
}

void RevisionDigests::makeTable() {
    if (hasTable())
        return;
    try {
        Transaction transaction(m_db);
        createTable(m_db, kTable);
        transaction.commit();
    } catch (const Failure&) {
        // Another PC of the office may have made it at the same moment.
        if (!hasTable())
            throw;
    }
}

RevisionDigests::ByNumber RevisionDigests::of(qint64 id) {
    ByNumber digests;
    if (!hasTable())
        return digests;
    const ResultSet rows =
        m_db.query(QStringLiteral("select revision,sha256 from revisiondigest where estid=?"), {id});
    for (const QVariantList& row : rows.rows)
        digests.insert(int(row.at(0).toLongLong()), row.at(1).toString());
    return digests;
}

void RevisionDigests::keep(qint64 id, const ByNumber& digests) {
    if (digests.isEmpty())
        return;
    makeTable();
    Transaction transaction(m_db);
    for (auto it = digests.cbegin(); it != digests.cend(); ++it) {
        const Params key{id, it.key()};
        m_db.exec(QStringLiteral("delete from revisiondigest where estid=? and revision=?"), key);
        m_db.exec(QStringLiteral("insert into revisiondigest(estid,revision,sha256)values(?,?,?)"),
                  key + Params{it.value()});
    }
    transaction.commit();
}

void RevisionDigests::copy(qint64 from, qint64 to) {
    keep(to, of(from));
}

void RevisionDigests::forget(qint64 id) {
    if (hasTable())
        m_db.exec(QStringLiteral("delete from revisiondigest where estid=?"), {id});
}

} // namespace qx
