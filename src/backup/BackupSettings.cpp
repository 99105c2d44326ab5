#include "backup/BackupSettings.h"

#include "backup/BackupFolderRule.h"
#include "data/InputRules.h"

#include <QDir>
#include <QStandardPaths>

namespace qx {

namespace {

const QString kSection = QStringLiteral("Backup");
const QString kFolderKey = QStringLiteral("Folder");
const QString kOnCloseKey = QStringLiteral("OnClose");
const QString kKeepKey = QStringLiteral("Keep");

std::optional<int> keepOf(const QString& text) {
    const Measure measure = readMeasure(text, kMustBeNumber, QLocale::c());
    if (!measure.ok() || measure.whole < 1 || measure.whole > BackupSettings::kMaxKeep ||
        measure.value != double(measure.whole))
        return std::nullopt;
    return measure.whole;
}

} // namespace

QString BackupSettings::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Quorvex backups");
}

BackupSettings BackupSettings::load(const SettingsStore& store) {
    BackupSettings settings;
    const QString folder = store.read(kAppName, kSection, kFolderKey);
    settings.folder = isBlank(folder) ? defaultFolder() : folder;
    settings.onClose = store.read(kAppName, kSection, kOnCloseKey) != QLatin1String("0");
    settings.keep = keepOf(store.read(kAppName, kSection, kKeepKey)).value_or(kDefaultKeep);
    return settings;
}

std::optional<QString> BackupSettings::checkFolder(const QString& folder,
                                                   const ProgramFolder& programFolder) {
    if (auto message =
            checkRequired(folder, kMaxFolderLength, QStringLiteral("This field may not be blank.")))
        return message;
    if (QDir::isRelativePath(trimBlanks(folder)))
        return QStringLiteral("Please enter the whole path of the backup folder.");
    return backupFolderRefusal(programFolder, trimBlanks(folder));
}

std::optional<QString> BackupSettings::checkKeep(const QString& keep) {
    const Measure number = readMeasure(keep);
    if (!number.ok())
        return number.problem;
    if (number.value != double(number.whole) || number.whole < 1 || number.whole > kMaxKeep)
        return QStringLiteral("This field must be a whole number between 1 and %1.").arg(kMaxKeep);
    return std::nullopt;
}

std::optional<BackupSettings::Refusal> BackupSettings::check(const Typed& typed,
                                                             const ProgramFolder& programFolder) {
    if (auto message = checkFolder(typed.folder, programFolder))
        return Refusal{*message, Field::Folder};
    if (auto message = checkKeep(typed.keep))
        return Refusal{*message, Field::Keep};
    return std::nullopt;
}

BackupSettings BackupSettings::from(const Typed& typed) {
    return {QDir::cleanPath(trimBlanks(typed.folder)), typed.onClose, readMeasure(typed.keep).whole};
}

void BackupSettings::save(SettingsStore& store) const {
    store.write(kAppName, kSection, kFolderKey, folder);
    store.write(kAppName, kSection, kOnCloseKey, onClose ? QStringLiteral("1") : QStringLiteral("0"));
    store.write(kAppName, kSection, kKeepKey, QString::number(keep));
}

} // namespace qx
