#include "setup/AboutBox.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace qx {

QString AboutBox::caption() {
    return QStringLiteral("About ") + kAppTitle;
}

QString AboutBox::versionText() {
    return QStringLiteral("Version " QUORVEX_VERSION);
}

const QStringList& AboutBox::systemInfoTools() {
    static const QStringList tools{QStringLiteral("hardinfo2"),
                                   QStringLiteral("hardinfo"),
                                   QStringLiteral("kinfocenter"),
                                   QStringLiteral("lshw-gtk"),
                                   QStringLiteral("gnome-system-monitor"),
                                   QStringLiteral("mate-system-monitor")};
    return tools;
}

QString AboutBox::findSystemInfoTool(const QString& searchPath) {
    const QStringList folders = searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    if (folders.isEmpty())
        return {};
    for (const QString& tool : systemInfoTools()) {
        const QString found = QStandardPaths::findExecutable(tool, folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void AboutBox::startSystemInfo(Prompter& prompter) {
    startSystemInfo(prompter, qEnvironmentVariable("PATH"));
}

void AboutBox::startSystemInfo(Prompter& prompter, const QString& searchPath) {
    const QString tool = findSystemInfoTool(searchPath);
    if (tool.isEmpty() || !QProcess::startDetached(tool, {}))
        prompter.inform(kAppTitle, QStringLiteral("System Information Is Unavailable At This Time"));
}

} // namespace qx
