#include "app/AppIdentity.h"

#include "data/Prompter.h"

#include <QGuiApplication>
#include <QIcon>

namespace qx {

void setApplicationIdentity() {
    QGuiApplication::setApplicationName(kAppTitle);
    QGuiApplication::setOrganizationName(kOrganisation);
    QGuiApplication::setApplicationVersion(QStringLiteral(QUORVEX_VERSION));
    QGuiApplication::setDesktopFileName(kDesktopEntry);
    QGuiApplication::setWindowIcon(QIcon(kWindowIcon));
}

} // namespace qx
