#pragma once

#include "data/InputRules.h"

#include <QString>

namespace qx {

// The messages, questions and titles of the roof panel and its two dialogs (Areas, Lineal Items).
// Forms show these texts; they never carry their own.

// Input boxes
inline const QString& kMsgNotANumber = kMustBeNumber;

// "Total Area" view
inline const QString kMsgSelectPitch = QStringLiteral("Please enter measurements and select pitch.");
inline const QString kMsgEnterWidthValue = QStringLiteral("Please enter a width value.");
inline const QString kMsgEnterHeightValue = QStringLiteral("Please enter a height value.");
inline const QString kMsgAreaTooLarge =
    QStringLiteral("This area is too large to be stored. Please check the measurements.");

// Areas dialog
inline const QString kMsgSelectShape = QStringLiteral("Please select a shape.");
inline const QString kMsgEnterWidth = QStringLiteral("Please enter a width.");
inline const QString kMsgEnterTop = QStringLiteral("Please enter the top width.");
inline const QString kMsgEnterBottom = QStringLiteral("Please enter the bottom width.");
inline const QString kMsgEnterHeight = QStringLiteral("Please enter a height.");

// Lineal Items dialog
inline const QString kMsgNameItem = QStringLiteral("Please name this item.");
inline const QString kMsgSelectType = QStringLiteral("Please select a type.");
inline const QString kMsgEnterLength = QStringLiteral("Please enter a length.");
inline const QString kMsgItemTooLarge =
    QStringLiteral("This item is too large to be stored. Please check the length.");

// Questions
inline const QString kTitleConfirmDelete = QStringLiteral("Confirm delete.");
inline const QString kAskDeleteArea = QStringLiteral("Are you sure you want to delete this area?");
inline const QString kAskDeleteItem = QStringLiteral("Are you sure you want to delete this item?");
inline const QString kAskChangeView =
    QStringLiteral("Changing this view clears the present roof area total.  Do you wish to continue?");

} // namespace qx
