#include "app/AppIdentity.h"

#include "app/DeferredIconEngine.h"
#include "data/Prompter.h"

#include <QGuiApplication>
#include <QIcon>

namespace qx {

void setApplicationIdentity() {
    QGuiApplication::setApplicationName(kAppTitle);
    QGuiApplication::setOrganizationName(kOrganisation);
    QGuiApplication::setApplicationVersion(QStringLiteral(QUORVEX_VERSION));
    QGuiApplication::setDesktopFileName(kDesktopEntry);
    QGuiApplication::setWindowIcon(DeferredIconEngine::fromPng(kWindowIcon));
}

} // namespace qx
