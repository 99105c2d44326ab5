#pragma once

#include "revisions/EstimateSnapshot.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace qx {

// A frozen file of a revision and the SHA-256 it had when the revision was made.
struct FrozenFile {
    QString name;
    QString sha256;
};

// What revision.json says about a revision: its number, when it was made, the estimate's figures at
// that moment and the digest of each file beside it.
struct RevisionRecord {
    int number = 0;
    QDateTime made;
    EstimateFigures figures;
    QList<FrozenFile> files;

    QByteArray toJson() const;
    // Nothing when the text is no revision record (not JSON, or a number, date or amount missing).
    static std::optional<RevisionRecord> fromJson(const QByteArray& json);
    // "R3 2026-03-02": the revision's folder inside Revisions/.
    QString folderName() const;
};

} // namespace qx
