#pragma once

#include "data/Failure.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QuaZip;

namespace qx {

// A zip file being written, entry by entry. Entries are compressed as they are added; nothing is a
// valid archive until finish() has written the central directory.
class ZipWriter {
public:
    // Creates the file `path` (it must not exist). Throws Failure.
    explicit ZipWriter(const QString& path);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Adds the file `source` under the entry name `entry` ("data/cost.mdb"). Throws Failure.
    void addFile(const QString& entry, const QString& source);
    void addBytes(const QString& entry, const QByteArray& bytes);
    // Writes the central directory and closes the file. Throws Failure.
    void finish();

private:
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
    std::unique_ptr<QuaZip> m_zip;
};

// A zip file being read. Opening fails for a file that is no zip or has lost its end (a truncated
// copy); reading an entry checks it against the checksum stored with it.
class ZipReader {
public:
    // Throws Failure.
    explicit ZipReader(const QString& path);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    const QStringList& entries() const { return m_entries; }
    bool has(const QString& entry) const { return m_sizes.contains(entry); }
    // The uncompressed size the archive records for an entry; -1 when there is no such entry.
    qint64 sizeOf(const QString& entry) const;
    // The whole entry. Throws Failure when it is missing, cannot be read or fails its checksum.
    QByteArray read(const QString& entry);
    // Writes the entry into the new file `target`, checked as read() checks it. Throws Failure (the
    // target removed).
    void extract(const QString& entry, const QString& target);

    // A name that stays inside the folder it is extracted to: relative, "/" separated, no "." or ".."
    // parts, no backslash, colon or control character.
    static bool isSafeEntryName(const QString& entry);

private:
    [[noreturn]] void fail(const QString& entry, const QString& what) const;
    void openEntry(const QString& entry);

    QString m_path;
    std::unique_ptr<QuaZip> m_zip;
    QStringList m_entries;
    QHash<QString, qint64> m_sizes; // read once: looking an entry up in the archive walks its directory
};

} // namespace qx
