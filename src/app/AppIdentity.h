#pragma once

#include <QString>

namespace qx {

// How the program names itself to the desktop: application and organisation name, version, the
// launcher entry it belongs to and the window icon every window shows.
inline const QString kOrganisation = QStringLiteral("Quorvex");
inline const QString kDesktopEntry = QStringLiteral("quorvex");
inline const QString kWindowIcon = QStringLiteral(":/resources/icons/quorvex.png");

// Sets all of them on the running application (the program and the automation driver alike).
void setApplicationIdentity();

} // namespace qx
