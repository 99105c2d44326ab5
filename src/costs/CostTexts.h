#pragma once

#include <QString>
#include <QStringList>

namespace qx {

// Captions, messages and questions of the cost database screens: the Cost Tables window, the cost item
// editor, the labor rate editor with its percentage calculator, and the unit item builder with its
// quantity prompt. Forms show these texts; they never carry their own.

inline const QString kTypeMaterial = QStringLiteral("Material");
inline const QString kTypeLabor = QStringLiteral("Labor");
// Labor items of this category are labor rates, kept by the labor rate editor.
inline const QString kCatHourly = QStringLiteral("Hourly");
inline const QString kUnitHour = QStringLiteral("hr");

// Window titles
inline const QString kTitleCostTables = QStringLiteral("Cost Tables");
inline const QString kTitleCostItem = QStringLiteral("Add/Edit Cost Item");
inline const QString kTitleLabor = QStringLiteral("Manage Labor Rates");
inline const QString kTitlePercentage = QStringLiteral("Figure Percentage");
inline const QString kTitleUnitItem = QStringLiteral("Cost per unit");
inline const QString kTitleQty = QStringLiteral("Edit Quanity");

// Lists
inline const QString kNoItemsListed = QStringLiteral("No items listed");
inline const QString kAll = QStringLiteral("All");

// Cost item editor: the required fields, checked in this order
inline const QString kMsgTypeBlank = QStringLiteral("Type field cannot be blank.");
inline const QString kMsgCategoryBlank = QStringLiteral("Category field cannot be blank.");
inline const QString kMsgUnitBlank = QStringLiteral("Unit field cannot be blank.");
inline const QString kMsgNameBlank = QStringLiteral("Name field cannot be blank.");
inline const QString kMsgAmountBlank = QStringLiteral("Amount field cannot be blank.");
inline const QString kMsgCoverageBlank = QStringLiteral("Per unit field cannot be blank.");
inline const QString kMsgCoversUnknown = QStringLiteral("Please select what this item covers.");
inline const QString kHintManufacturer = QStringLiteral("Select Manufacturer from list or enter a new one.");

// Labor rate editor
inline const QString kMsgEnterJobTitle = QStringLiteral("Enter job title");
inline const QString kHintBaseRate = QStringLiteral("Actual rate employee is paid");
inline const QString kHintPercentage = QStringLiteral("click to enter percentage:");
inline const QString kNonEmployee = QStringLiteral("Enter Non-Employee Labor Item");

// Labor rate editor: a base rate within the amount range whose total with its burdens is not.
inline QString burdenedRateTooLarge(const QString& total, const QString& limit) {
    return QStringLiteral("With its burdens this rate would come to %1, which passes the limit of %2.")
        .arg(total, limit);
}

// Unit item builder: its header boxes word the length rule their own way.
inline QString unitHeaderTooLong(int maxLength) {
    return QStringLiteral("This field cannot be longer than %1 characters.").arg(maxLength);
}
inline const QString kHintSelectItem =
    QStringLiteral("Select item above, change or leave the amount to the right, and click Select.");

// Deleting from the Cost Tables window and from the unit item builder
inline const QString kTitleDeleteCostItem = QStringLiteral("Delete Cost Item");
inline const QString kAskDeleteCostItem = QStringLiteral("Are you sure you want to delete this cost item?");

} // namespace qx
