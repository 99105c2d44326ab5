#pragma once

#include <QString>
#include <optional>

namespace qx {

// The message shown when a box holds more characters than its column can store.
QString tooLongMessage(int maxLength);
// tooLongMessage when `text` is longer than `maxLength`, else nothing.
std::optional<QString> checkLength(const QString& text, int maxLength);

inline const QString kMustBeNumber = QStringLiteral("This field must be a number.");

// Input boxes turn this colour while they have the focus.
constexpr int kFocusRed = 255, kFocusGreen = 255, kFocusBlue = 192;

} // namespace qx
