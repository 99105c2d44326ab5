#include "backup/ZipArchive.h"

#include <QFile>
#include <QFileInfo>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <quazipnewinfo.h>

namespace qx {

namespace {

constexpr qint64 kChunk = 1 << 16;

} // namespace

ZipWriter::ZipWriter(const QString& path)
    : m_path(path)
    , m_zip(std::make_unique<QuaZip>(path)) {
    if (QFileInfo::exists(path))
        throw Failure(kErrFileExists, QStringLiteral("File already exists: '%1'.").arg(path));
    m_zip->setUtf8Enabled(true);
    if (!m_zip->open(QuaZip::mdCreate))
        fail(QStringLiteral("could not be created"));
}

ZipWriter::~ZipWriter() = default;

void ZipWriter::fail(const QString& what) const {
    throw Failure(kErrFileAccess, QStringLiteral("The archive '%1' %2.").arg(m_path, what));
}

void ZipWriter::addFile(const QString& entry, const QString& source) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw Failure(kErrFileAccess, QStringLiteral("Could not read '%1'.").arg(source));
    QuaZipFile out(m_zip.get());
    if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(entry, source)))
        fail(QStringLiteral("could not take %1").arg(entry));
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFile::NoError)
            throw Failure(kErrFileAccess, QStringLiteral("Could not read '%1'.").arg(source));
        if (out.write(chunk) != chunk.size())
            fail(QStringLiteral("could not take %1").arg(entry));
    }
    out.close();
    if (out.getZipError() != ZIP_OK)
        fail(QStringLiteral("could not take %1").arg(entry));
}

void ZipWriter::addBytes(const QString& entry, const QByteArray& bytes) {
    QuaZipFile out(m_zip.get());
    if (!out.open(QIODevice::WriteOnly, QuaZipNewInfo(entry)) || out.write(bytes) != bytes.size())
        fail(QStringLiteral("could not take %1").arg(entry));
    out.close();
    if (out.getZipError() != ZIP_OK)
        fail(QStringLiteral("could not take %1").arg(entry));
}

void ZipWriter::finish() {
    m_zip->close();
    if (m_zip->getZipError() != ZIP_OK)
        fail(QStringLiteral("could not be completed"));
}

ZipReader::ZipReader(const QString& path)
    : m_path(path)
    , m_zip(std::make_unique<QuaZip>(path)) {
    m_zip->setFileNameCodec("UTF-8");
    if (!QFileInfo(path).isFile() || !m_zip->open(QuaZip::mdUnzip))
        throw Failure(kErrFileAccess, QStringLiteral("'%1' is no complete zip archive.").arg(path));
    const QList<QuaZipFileInfo64> infos = m_zip->getFileInfoList64();
    if (m_zip->getZipError() != UNZ_OK)
        throw Failure(kErrFileAccess, QStringLiteral("'%1' is no complete zip archive.").arg(path));
    for (const QuaZipFileInfo64& info : infos) {
        m_entries << info.name;
        m_sizes.insert(info.name, qint64(info.uncompressedSize));
    }
}

ZipReader::~ZipReader() = default;

void ZipReader::fail(const QString& entry, const QString& what) const {
    throw Failure(kErrFileAccess, QStringLiteral("%1 in '%2' %3.").arg(entry, m_path, what));
}

qint64 ZipReader::sizeOf(const QString& entry) const {
    return m_sizes.value(entry, -1);
}

void ZipReader::openEntry(const QString& entry) {
    if (!m_zip->setCurrentFile(entry, QuaZip::csSensitive))
        fail(entry, QStringLiteral("is missing"));
}

QByteArray ZipReader::read(const QString& entry) {
    openEntry(entry);
    QuaZipFile in(m_zip.get());
    if (!in.open(QIODevice::ReadOnly))
        fail(entry, QStringLiteral("cannot be read"));
    const QByteArray bytes = in.readAll();
    in.close();
    // Closing compares the checksum of what was read with the one stored.
    if (in.getZipError() != UNZ_OK)
        fail(entry, QStringLiteral("is damaged"));
    return bytes;
}

void ZipReader::extract(const QString& entry, const QString& target) {
    openEntry(entry);
    QuaZipFile in(m_zip.get());
    if (!in.open(QIODevice::ReadOnly))
        fail(entry, QStringLiteral("cannot be read"));
    QFile out(target);
    if (QFileInfo::exists(target) || !out.open(QIODevice::NewOnly | QIODevice::WriteOnly))
        throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1'.").arg(target));
    auto abandon = [&](const QString& what) {
        out.close();
        out.remove();
        fail(entry, what);
    };
    while (true) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty())
            break;
        if (out.write(chunk) != chunk.size()) {
            out.close();
            out.remove();
            throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1'.").arg(target));
        }
    }
    in.close();
    if (in.getZipError() != UNZ_OK)
        abandon(QStringLiteral("is damaged"));
    if (!out.flush()) {
        out.close();
        out.remove();
        throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1'.").arg(target));
    }
    out.close();
}

bool ZipReader::isSafeEntryName(const QString& entry) {
    if (entry.isEmpty() || entry.startsWith(u'/') || entry.endsWith(u'/'))
        return false;
    for (QChar c : entry) {
        if (c == u'\\' || c == u':' || c.category() == QChar::Other_Control)
            return false;
    }
    const QStringList parts = entry.split(u'/');
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

} // namespace qx
