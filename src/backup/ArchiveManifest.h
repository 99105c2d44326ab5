#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <exception>

namespace qx {

class ZipReader;

// A file the program refuses to take: not one of its own archives, or a damaged one. The message says
// which, in the user's words.
class ArchiveRefused : public std::exception {
public:
    explicit ArchiveRefused(QString message)
        : m_message(std::move(message)) {}
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return "qx::ArchiveRefused"; }

private:
    QString m_message;
};

// The kinds of archive the program writes, each named in its manifest.
enum class ArchiveKind { Backup, Job };

struct ManifestEntry {
    QString name;
    qint64 size = 0;
    QString sha256; // of the file's content, in hex; empty in archives written before it was kept
    QString heldIn; // the earlier backup (its file name) that holds the file; empty: this archive
    QString stamp;  // size and time of change of the file it was taken from, to see it unchanged
    QString source; // the SHA-256 of the file it was taken from (a keyed copy's bytes differ each time)
};

// The small manifest every archive of the program carries (entry kManifestEntry): what kind of archive
// it is, when it was written, every file it holds with its size and content hash, and, for one estimate,
// its register row. A backup may name a file that an earlier backup of the same folder holds unchanged
// instead of holding it itself. An archive whose files do not match its manifest is damaged.
struct ArchiveManifest {
    static inline const QString kManifestEntry = QStringLiteral("quorvex-manifest.json");

    ArchiveKind kind = ArchiveKind::Backup;
    QDateTime created;
    QList<ManifestEntry> files;
    QJsonObject details;

    QByteArray toJson() const;

    // Reads and checks the manifest of an opened archive: it must be of `kind`, and the archive must
    // hold exactly the files it lists as its own, with their sizes, under names that stay inside their
    // folder; a file held by another archive is named by a plain file name.
    // Throws ArchiveRefused with `notOurs` (no manifest, another kind) or `damaged` + the detail.
    static ArchiveManifest verified(ZipReader& zip, ArchiveKind kind, const QString& notOurs,
                                    const QString& damaged);
};

} // namespace qx
