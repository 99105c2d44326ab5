#pragma once

#include "docs/PaperSetup.h"
#include "revisions/RevisionDigests.h"
#include "revisions/RevisionRecord.h"

#include <QDate>
#include <QStringList>
#include <functional>
#include <optional>

class QTextDocument;

namespace qx {

// A revision as its estimate's folder holds it now, with the verdict of its check.
struct RevisionState {
    int number = 0;
    QDate date;
    Money total;
    QString folder;                       // absolute path; empty when the folder is gone
    std::optional<RevisionRecord> record; // empty when revision.json cannot be read
    QStringList altered;                  // files changed or missing since it was made
    bool removed = false;                 // its folder was removed by hand

    bool sound() const { return !removed && altered.isEmpty(); }
    // Why the revision cannot be used; empty when it is sound.
    QString problem() const;
    QString filePath(const QString& name) const { return folder + QLatin1Char('/') + name; }
};

// What a revision freezes: the estimate file as it is, and the proposal and contract as the customer
// receives them.
struct RevisionContent {
    QString estimateFile;
    QString password;
    const QTextDocument* proposal = nullptr;
    const QTextDocument* contract = nullptr;
    DocumentProperties proposalProperties;
    DocumentProperties contractProperties;
    QDateTime made;
    // Given the new revision and the SHA-256 of its revision.json once every file is written, before
    // the revision is put in place: keeps the digest where the record cannot be written over unseen.
    // A Failure it throws stops the freeze, leaving no revision.
    std::function<void(const RevisionRecord&, const QString& recordSha256)> keepDigest;
};

// The sent revisions kept in an estimate's folder: Revisions/R<N> <yyyy-mm-dd>/ each holding
// proposal.pdf, contract.pdf, estimate.mdb and revision.json, and Revisions/sent.json, the list of
// every revision made, by which a folder removed by hand is still known. The digest of each record kept
// apart from the folder (see RevisionDigests) tells a record written over since.
class RevisionStore {
public:
    static inline const QString kFolder = QStringLiteral("Revisions");
    static inline const QString kProposal = QStringLiteral("proposal.pdf");
    static inline const QString kContract = QStringLiteral("contract.pdf");
    static inline const QString kEstimate = QStringLiteral("estimate.mdb");
    static inline const QString kRecord = QStringLiteral("revision.json");

    // `keptDigests`: the record digests kept for the estimate's revisions; a revision without one is
    // checked by its files alone.
    explicit RevisionStore(QString estimateFolder, RevisionDigests::ByNumber keptDigests = {});

    // Every revision, newest first, each checked against its digests.
    QList<RevisionState> list() const;
    std::optional<RevisionState> find(int number) const;
    // How many revisions the estimate has (removed ones too).
    int count() const;

    // Makes the next revision, all or nothing: the files are written into a hidden folder beside
    // Revisions/ and renamed into place only once every one of them and revision.json are complete.
    // Throws Failure; nothing is left behind then.
    RevisionRecord freeze(const RevisionContent& content);

    // Called with each file's name before it is written (a test's stand-in for a full disk throws).
    void setBeforeEachFile(std::function<void(const QString&)> hook) { m_beforeEachFile = std::move(hook); }

    // Copies the revisions of one estimate's folder into another's (duplicating an estimate), file for
    // file so their digests still hold. Nothing to do without revisions. Throws Failure, leaving none.
    static void copyRevisions(const QString& fromFolder, const QString& toFolder);
    // True for a file inside a revision's folder: frozen, it is copied byte for byte, never rewritten.
    static bool isFrozenFile(const QString& path);

private:
    struct Entry {
        int number = 0;
        QString folderName;
        QDate date;
        Money total;
        bool listed = false; // in sent.json, whose total then holds
    };
    QString revisionsDir() const;
    // Hidden folders of a freeze that never finished (the program stopped halfway) are removed.
    void removeUnfinished() const;
    QList<Entry> ledger() const;
    void writeLedger(const QList<Entry>& entries) const;
    QList<Entry> entries() const;
    RevisionState check(const Entry& entry) const;
    void makeFile(const QString& dir, const QString& name, const std::function<void(const QString&)>& write,
                  QList<FrozenFile>& files) const;

    QString m_estimateFolder;
    RevisionDigests::ByNumber m_keptDigests;
    std::function<void(const QString&)> m_beforeEachFile;
};

} // namespace qx
