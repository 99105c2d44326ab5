#include "revisions/RevisionStore.h"

#include "data/DatabaseCopy.h"
#include "data/DateText.h"
#include "data/FileHash.h"
#include "docs/DocumentFiles.h"
#include "revisions/RevisionTexts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>

namespace qx {

namespace {

const QString kLedger = QStringLiteral("sent.json");

const QRegularExpression& folderPattern() {
    static const QRegularExpression pattern(QStringLiteral("^R([1-9]\\d{0,8}) (\\d{4}-\\d{2}-\\d{2})$"));
    return pattern;
}

[[noreturn]] void cannotWrite(const QString& path) {
    throw Failure(kErrFileAccess,
                  QStringLiteral("Could not write in '%1'.").arg(QDir::toNativeSeparators(path)));
}

void writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Failure(kErrFileAccess, QStringLiteral("Could not write '%1': %2")
                                          .arg(QDir::toNativeSeparators(path), file.errorString()));
}

// Copies a folder's files (byte for byte; links, which could name files elsewhere, are left out) and
// subfolders into `to`, which must not exist yet.
void copyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to))
        cannotWrite(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            cannotWrite(QFileInfo(target).absolutePath());
    }
}

} // namespace

QString RevisionState::problem() const {
    if (removed)
        return RevisionTexts::kFolderRemoved.arg(number);
    if (!altered.isEmpty())
        return RevisionTexts::kAltered.arg(number).arg(altered.join(QStringLiteral(", ")));
    return {};
}

RevisionStore::RevisionStore(QString estimateFolder, RevisionDigests::ByNumber keptDigests)
    : m_estimateFolder(std::move(estimateFolder))
    , m_keptDigests(std::move(keptDigests)) {}

QString RevisionStore::revisionsDir() const {
    return m_estimateFolder + QLatin1Char('/') + kFolder;
}

QList<RevisionStore::Entry> RevisionStore::ledger() const {
    QFile file(revisionsDir() + QLatin1Char('/') + kLedger);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    // A list that cannot be read is no list: the folders found are then all there is.
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject o = value.toObject();
        const Entry entry{
            o.value(QStringLiteral("number")).toInt(0), o.value(QStringLiteral("folder")).toString(),
            dateFromStored(o.value(QStringLiteral("date")).toString()),
            Money::parsePlain(o.value(QStringLiteral("total")).toString()).value_or(Money()), true};
        if (entry.number > 0 && folderPattern().match(entry.folderName).hasMatch())
            entries.append(entry);
    }
    return entries;
}

void RevisionStore::writeLedger(const QList<Entry>& entries) const {
    QJsonArray list;
    for (const Entry& e : entries)
        list.append(QJsonObject{{QStringLiteral("number"), e.number},
                                {QStringLiteral("folder"), e.folderName},
                                {QStringLiteral("date"), storedDate(e.date)},
                                {QStringLiteral("total"), e.total.toPlain()}});
    writeWhole(revisionsDir() + QLatin1Char('/') + kLedger, QJsonDocument(list).toJson());
}

// The revisions the list names and the folders found, each number once, oldest first.
QList<RevisionStore::Entry> RevisionStore::entries() const {
    QList<Entry> all = ledger();
    const QStringList folders = QDir(revisionsDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : folders) {
        const QRegularExpressionMatch match = folderPattern().match(name);
        if (!match.hasMatch())
            continue;
        const int number = match.captured(1).toInt();
        auto known = std::find_if(all.begin(), all.end(), [&](const Entry& e) { return e.number == number; });
        if (known == all.end())
            all.append({number, name, dateFromStored(match.captured(2)), Money(), false});
        else
            known->folderName = name;
    }
    std::sort(all.begin(), all.end(), [](const Entry& a, const Entry& b) { return a.number < b.number; });
    return all;
}

RevisionState RevisionStore::check(const Entry& entry) const {
    RevisionState state;
    state.number = entry.number;
    state.date = entry.date;
    state.total = entry.total;
    const QString folder = revisionsDir() + QLatin1Char('/') + entry.folderName;
    if (!QFileInfo(folder).isDir()) {
        state.removed = true;
        return state;
    }
    state.folder = folder;
    QFile json(state.filePath(kRecord));
    QByteArray recordBytes;
    if (json.open(QIODevice::ReadOnly)) {
        recordBytes = json.readAll();
        state.record = RevisionRecord::fromJson(recordBytes);
    }
    // A record whose number or total differs from what the list kept, or whose digest differs from the
    // one kept apart, was written over.
    const auto kept = m_keptDigests.constFind(entry.number);
    const bool rewritten = kept != m_keptDigests.cend() &&
                           QCryptographicHash::hash(recordBytes, QCryptographicHash::Sha256).toHex() != *kept;
    if (!state.record || state.record->number != entry.number || rewritten ||
        (entry.listed && state.record->figures.total != entry.total)) {
        state.record.reset();
        state.altered << kRecord;
        return state;
    }
    state.date = state.record->made.date();
    state.total = state.record->figures.total;
    for (const FrozenFile& file : state.record->files) {
        QString digest;
        try {
            digest = sha256Of(state.filePath(file.name));
        } catch (const Failure&) {
        }
        // A name that leaves the folder is no file of the revision's.
        if (file.name.contains(QLatin1Char('/')) || file.name.startsWith(QLatin1Char('.')) ||
            digest != file.sha256)
            state.altered << file.name;
    }
    return state;
}

void RevisionStore::removeUnfinished() const {
    const QDir folder(m_estimateFolder);
    for (const QString& name :
         folder.entryList({QStringLiteral(".revision-*")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        QDir(folder.filePath(name)).removeRecursively();
}

QList<RevisionState> RevisionStore::list() const {
    QList<RevisionState> states;
    const QList<Entry> all = entries();
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        states.append(check(*it));
    return states;
}

std::optional<RevisionState> RevisionStore::find(int number) const {
    for (const Entry& entry : entries()) {
        if (entry.number == number)
            return check(entry);
    }
    return std::nullopt;
}

int RevisionStore::count() const {
    return int(entries().size());
}

void RevisionStore::makeFile(const QString& dir, const QString& name,
                             const std::function<void(const QString&)>& write,
                             QList<FrozenFile>& files) const {
    if (m_beforeEachFile)
        m_beforeEachFile(name);
    const QString path = dir + QLatin1Char('/') + name;
    write(path);
    files.append({name, sha256Of(path)});
}

RevisionRecord RevisionStore::freeze(const RevisionContent& content) {
    const QList<Entry> known = entries();
    RevisionRecord record;
    record.number = known.isEmpty() ? 1 : known.last().number + 1;
    record.made = content.made;

    removeUnfinished();
    QTemporaryDir staging(m_estimateFolder + QStringLiteral("/.revision-XXXXXX"));
    if (!staging.isValid())
        cannotWrite(m_estimateFolder);
    const QString dir = staging.path();
    const auto pdf = [](const QTextDocument* document, const DocumentProperties& properties) {
        return [document, properties](const QString& path) {
            if (!document || !saveDocumentFile(path, *document, properties))
                throw Failure(kErrFileAccess,
                              QStringLiteral("Could not write '%1'.").arg(QDir::toNativeSeparators(path)));
        };
    };
    makeFile(dir, kProposal, pdf(content.proposal, content.proposalProperties), record.files);
    makeFile(dir, kContract, pdf(content.contract, content.contractProperties), record.files);
    makeFile(
        dir, kEstimate,
        [&](const QString& path) { copyDatabase(content.estimateFile, content.password, path); },
        record.files);
    record.figures = readEstimateSnapshot(dir + QLatin1Char('/') + kEstimate, content.password).figures;
    if (m_beforeEachFile)
        m_beforeEachFile(kRecord);
    writeWhole(dir + QLatin1Char('/') + kRecord, record.toJson());
    if (content.keepDigest)
        content.keepDigest(record, sha256Of(dir + QLatin1Char('/') + kRecord));

    // The revision's folder is as open as the estimate's, not private as a temporary folder is made.
    QFile::setPermissions(dir, QFileInfo(m_estimateFolder).permissions());
    const bool madeFolder = !QFileInfo(revisionsDir()).isDir();
    if (madeFolder && !QDir().mkdir(revisionsDir()))
        cannotWrite(m_estimateFolder);
    const QString target = revisionsDir() + QLatin1Char('/') + record.folderName();
    if (QFileInfo::exists(target) || !QDir().rename(dir, target)) {
        if (madeFolder)
            QDir().rmdir(revisionsDir());
        cannotWrite(revisionsDir());
    }
    staging.setAutoRemove(false);
    try {
        QList<Entry> listed = known;
        listed.append({record.number, record.folderName(), record.made.date(), record.figures.total});
        writeLedger(listed);
    } catch (const Failure&) {
        QDir(target).removeRecursively();
        if (madeFolder)
            QDir().rmdir(revisionsDir());
        throw;
    }
    return record;
}

void RevisionStore::copyRevisions(const QString& fromFolder, const QString& toFolder) {
    const QString from = fromFolder + QLatin1Char('/') + kFolder;
    if (!QFileInfo(from).isDir())
        return;
    QTemporaryDir staging(toFolder + QStringLiteral("/.revisions-XXXXXX"));
    if (!staging.isValid())
        cannotWrite(toFolder);
    const QString copied = staging.filePath(kFolder);
    copyFolder(from, copied);
    const QString target = toFolder + QLatin1Char('/') + kFolder;
    if (QFileInfo::exists(target) || !QDir().rename(copied, target))
        cannotWrite(toFolder);
}

bool RevisionStore::isFrozenFile(const QString& path) {
    const QFileInfo file(path);
    const QDir revision = file.dir();
    QDir revisions = revision;
    return revisions.cdUp() && revisions.dirName() == kFolder &&
           folderPattern().match(revision.dirName()).hasMatch();
}

} // namespace qx
