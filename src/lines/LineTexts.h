#pragma once

#include <QString>

namespace qx {

// The messages and captions of the line commands and their dialogs.
namespace LineTexts {
inline const QString kNotAValidId = QStringLiteral("That is not a valid ID.  Please try again.");
inline const QString kConfirmDeleteTitle = QStringLiteral("Confirm delete");
inline const QString kConfirmDelete = QStringLiteral("Are you sure you want to delete this line item?");
inline const QString kSelectSection = QStringLiteral("You must select a selection.");
inline const QString kEditIdTitle = QStringLiteral("Enter ID# ");
inline const QString kEditIdHint = QStringLiteral("Enter the ID of the line item to edit.");
inline const QString kEditIdColumnHint = QStringLiteral("Enter ID from the ID column to the left.");
inline const QString kAdminEditTitle = QStringLiteral("Admin Amounts - ");
inline const QString kPickerTitle = QStringLiteral("Select Item");
inline const QString kAddSectionTitle = QStringLiteral("Add Section");
inline const QString kAddSectionHint = QStringLiteral("Select from drop down or type another.");
inline const QString kSortTitle = QStringLiteral("Edit Section Order");
inline const QString kSortHint = QStringLiteral("Cick item to edit its order in the list");
} // namespace LineTexts

} // namespace qx
