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

// Shown while no work is under way: the commands that start it.
inline const QString kIdleReminder =
    QStringLiteral("<div style='color:#3a4a5a'><p style='font-size:28pt; font-weight:600'>Quorvex</p>"
                   "<p style='font-size:12pt'>Roofing estimates</p><br/>"
                   "<table align='center' cellspacing='6' style='font-size:11pt'>"
                   "<tr><td><b>F6</b></td><td>New estimate</td></tr>"
                   "<tr><td><b>F7</b></td><td>Open an estimate</td></tr>"
                   "<tr><td><b>F8</b></td><td>Figure a roof</td></tr>"
                   "<tr><td><b>F3</b></td><td>Manage estimates</td></tr>"
                   "<tr><td><b>F1</b></td><td>Help</td></tr></table></div>");

} // namespace qx
