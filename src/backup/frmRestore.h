#pragma once

#include "backup/BackupArchive.h"

#include <QDialog>

namespace qx {

// The preview of a backup before it is restored: its estimates (name, status, date) and its number
// of cost items, with "Restore" and "Cancel".
class frmRestore : public QDialog {
    Q_OBJECT
public:
    frmRestore(const QString& archive, const BackupPreview& preview, QWidget* parent = nullptr);
};

} // namespace qx
