#include "setup/Greeting.h"

namespace qx {

QString Greeting::text() {
    return QStringLiteral(
        "This screen is a reminder of how to get started using Quorvex.\n\n"
        "If you haven't already done so, it is recommended that you read the Quick\n"
        "Start area of the Help File. Press F1 or Menu->Help->Contents\n\n"
        "To start a new estimate press F6 or Menu->Estimates->New\n\n"
        "To open an existing estimate press F7 or Menu->Estimate->Open\n\n"
        "To figure a roof press F8 or Menu->Estimates->Figure\n\n"
        "To manage existing estimate status press F3 or Menu->Estimate->Manage\n\n"
        "It is also recommended that you go through and do the Case Study found in the main help file.\n\n"
        "Good luck and we hope you enjoy our software.");
}

void Greeting::okay(SettingsStore& store, bool showAtStartup) {
    if (!showAtStartup)
        store.write(kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("0"));
}

} // namespace qx
