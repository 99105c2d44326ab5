#pragma once

#include "backup/ProgramBackup.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

namespace qx {

// The progress dialog of long work: the file it is at, a bar, and Cancel.
class UiProgress {
public:
    UiProgress(QWidget* parent, const QString& title);
    ~UiProgress();
    UiProgress(const UiProgress&) = delete;
    UiProgress& operator=(const UiProgress&) = delete;

    // Reports one step (the file, how many are done of how many) and lets the window answer; false
    // once Cancel was pressed.
    ProgressStep step();

private:
    QPointer<QProgressDialog> m_dialog;
};

} // namespace qx
