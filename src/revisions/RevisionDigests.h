#pragma once

#include "data/Database.h"

#include <QMap>

namespace qx {

// The SHA-256 of each sent revision's record (revision.json) as it was when the revision was made,
// kept in the register (table revisiondigest, keyed by estimate and revision number): a place where
// nobody edits files by hand, in a file or on the office server alike. A record whose digest differs
// has been written over since, however well its own digests match the files beside it. Revisions
// sent before the register kept digests have none and are checked by their files alone.
class RevisionDigests {
public:
    using ByNumber = QMap<int, QString>;

    explicit RevisionDigests(Database& register_);

    // The kept digests of estimate `id`'s revisions; none while the register has no table for them.
    // Throws Failure.
    ByNumber of(qint64 id);
    // Keeps the digests of estimate `id`'s revisions, each replacing one kept before for its number;
    // the table is made on first use. Throws Failure, keeping none of them.
    void keep(qint64 id, const ByNumber& digests);
    // Estimate `to` (a copy of `from`, its revisions copied file for file) is given `from`'s digests.
    void copy(qint64 from, qint64 to);
    // An estimate removed from the register takes its digests with it.
    void forget(qint64 id);

    // A digest as the register keeps it: 64 lower-case hexadecimal digits.
    static bool isDigest(const QString& text);

private:
    bool hasTable();
    void makeTable();

    Database& m_db;
};

} // namespace qx
