#pragma once

#include "data/Conn.h"

#include <QString>

namespace qx {

// The main window's work state: the work mode and the estimate being worked on. One object, owned by
// the main window and handed to the models that act on the open estimate.
struct WorkState {
    // Work modes; the empty text is idle.
    static inline const QString kNew = QStringLiteral("new");
    static inline const QString kOpen = QStringLiteral("open");
    static inline const QString kFigure = QStringLiteral("figure");
    static inline const QString kReport = QStringLiteral("report");

    QString sOpenMode;     // "", "new", "open", "figure" or "report"
    qint32 lEstID = 0;     // register id of the estimate being worked on; 0 when none
    bool bChanged = false; // edited since started, opened or saved
    bool bLoadingTerms = false;
    QString sEstStatus; // "Working" for a new estimate, else the register's status
    QString estName;    // the estimate's name (blanks removed) once started or opened
    Conn sEstConn;      // the open estimate's file; empty path when none
    // Opened for viewing and printing only (another PC has it open): nothing writes the estimate's
    // file, and closing it asks nothing.
    bool readOnly = false;

    bool isIdle() const { return sOpenMode.isEmpty(); }
    bool hasEstimateFile() const { return !sEstConn.path.isEmpty(); }
};

} // namespace qx
