#pragma once

#include "data/Prompter.h"

#include <QStringList>

namespace qx {

// The about box's texts and its "System Info..." command.
struct AboutBox {
    static QString caption();     // "About Quorvex"
    static QString versionText(); // "Version 3.5.1"

    // The system-information tools looked for, in this order.
    static const QStringList& systemInfoTools();
    // The first of them found in the folders of `searchPath` (a PATH value); "" when none is there.
    static QString findSystemInfoTool(const QString& searchPath);
    // Starts the first tool found on the program's PATH; when there is none or it does not start, the
    // user is told "System Information Is Unavailable At This Time".
    static void startSystemInfo(Prompter& prompter);
    static void startSystemInfo(Prompter& prompter, const QString& searchPath);
};

} // namespace qx
