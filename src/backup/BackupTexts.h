#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace qx {

// What the backup commands say.
namespace BackupTexts {
inline const QString kBackingUp = QStringLiteral("Backing up...");
inline const QString kRestoring = QStringLiteral("Restoring...");
inline const QString kChooseTitle = QStringLiteral("Restore");
inline const QString kFilter = QStringLiteral("Quorvex backups (*.zip)");
inline const QString kPreviewCaption = QStringLiteral("Restore");

inline QString backedUp(const QString& archive) {
    return QStringLiteral("The backup was written to\n%1")
        .arg(QDir::toNativeSeparators(QFileInfo(archive).absoluteFilePath()));
}
inline QString restored(const QString& safety) {
    return QStringLiteral("The backup was restored.\nThe data it replaced was backed up to\n%1")
        .arg(QDir::toNativeSeparators(QFileInfo(safety).absoluteFilePath()));
}
inline QString costItems(qint64 count) {
    return QStringLiteral("Cost items: %1").arg(count);
}
inline QString dataHeldIn(const QString& archive) {
    return QStringLiteral("Register and cost data held in: %1").arg(archive);
}
inline QString written(const QString& date) {
    return QStringLiteral("Backup of %1").arg(date);
}
} // namespace BackupTexts

} // namespace qx
