#pragma once

#include <QString>
#include <QStringList>

namespace qx {

// Texts of the status board and the owner details screen.
struct StatusTexts {
    static inline const QString kBoardCaption = QStringLiteral("Manage Estimate/Status");
    static inline const QString kListFrame = QStringLiteral("Double click item to edit");
    static inline const QString kFilterLabel = QStringLiteral("Filter List -->");
    static inline const QString kStatusFrame = QStringLiteral("Estimate Status");
    static inline const QString kNone = QStringLiteral("None");
    static inline const QString kAll = QStringLiteral("All");

    static inline const QString kDeleteTitle = QStringLiteral("Confirm delete.");
    static inline const QString kDeleteQuestion =
        QStringLiteral("Are you sure you want\nto delete this estimate?");
    static inline const QString kTypeTooLong =
        QStringLiteral("This field cannot be longer than 25 characters.");
    static inline const QString kNotADate = QStringLiteral("This field must be a date, such as %1.");
    static inline const QString kNotWholeDays = QStringLiteral("This field must be a whole number of days.");
    static inline const QString kBadId =
        QStringLiteral("The estimate with the register ID %1 cannot be opened: an estimate's ID must be a "
                       "whole number from 1 to 2147483647.");
    static inline const QString kNotInRegister =
        QStringLiteral("The estimate with the register ID %1 cannot be opened: it is no longer in the "
                       "register.");
    static inline const QString kFolderKept =
        QStringLiteral("The estimate was removed from the list, but its folder %1 could not be deleted.");

    static inline const QString kOwnerCaption = QStringLiteral("Owner Detail");
    static inline const QString kNotBlank = QStringLiteral("This field may not be blank.");
};

// The four estimate statuses, in the order of the board's status options.
inline const QStringList kStatusOptions = {QStringLiteral("Rejected"), QStringLiteral("Accepted"),
                                           QStringLiteral("Working"), QStringLiteral("Pending")};

} // namespace qx
