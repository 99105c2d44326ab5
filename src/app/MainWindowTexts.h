#pragma once

#include <QString>

namespace qx {

// The main window's own texts beyond its captions: the reminder it shows while idle and where a bug
// report goes. (Its questions: exitQuestion in WorkModes, the save question in SaveEstimate.)

// Where "Report a bug" sends its mail.
inline const QString kSupportAddress = QStringLiteral("support@quorvex.example");
// The mail "Report a bug" opens: the support address with the subject QX_Bug.
QString bugReportUrl();

// F1 and "Contents" open the manual in the program folder's help/ at its Quick Start, the part the
// greeting box points to.
inline const QString kQuickStartAnchor = QStringLiteral("quick-start");
QString helpContentsUrl(const QString& helpFile);

// Shown while no work is under way: the program's name and the commands that start work.
inline const QString kIdleTitle = QStringLiteral("Quorvex");
inline const QString kIdleSubtitle = QStringLiteral("Roofing estimates");
struct IdleCommand {
    const char* key;
    const char* command;
};
inline constexpr IdleCommand kIdleCommands[] = {
    {"F6", "New estimate"}, {"F7", "Open an estimate"}, {"F8", "Figure a roof"}, {"F3", "Manage estimates"},
    {"F1", "Help"},
};

} // namespace qx
