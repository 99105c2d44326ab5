#pragma once

#include <QString>

namespace qx {

// Texts of the owner panel ("Home Owner" tab).
struct OwnerTexts {
    static inline const QString kEnterHeading = QStringLiteral("Enter the home owner information below");
    static inline const QString kLockedHeading = QStringLiteral(
        "Owner information cannot be edited while the estimate is open.  Edit owner info from Manage "
        "Estimate Screen (F3), select the home from the list, and click \"Edit Owner Info\".");
    static inline const QString kTypeHelp = QStringLiteral(
        "Select a estimate type from the list below.  If the one you want is not on the list you may type it "
        "in.  It cannot be longer than 25 characters.");
    static inline const QString kNameHelp = QStringLiteral(
        "Create a name for this estimate below, for instance, 'Smith Garage', if you leave this blank the "
        "system will create one.  Last name plus the estimate type. This cannot be changed.");
    // A blank estimate type, refused by Start and by the status board's Update alike.
    static inline const QString kPickType =
        QStringLiteral("You must pick an estimate type.\nIf the one you want is not on the list\n"
                       "you may type it in.");
    static inline const QString kTabWarning = QStringLiteral(
        "Tabs are disabled .  You must complete this form and press Start.  All but work phone, ext. and "
        "estimate name are required.  You may also press the 'Cancel' button, press F9,  or select 'Close "
        "open estimate' from the menu.");
};

} // namespace qx
