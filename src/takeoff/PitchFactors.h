#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace qx {

// The factor that turns a roof's plan area into its surface area for a pitch (rise per twelve units
// of run): sqrt(144 + pitch^2) / 12 to five decimals, in single precision. 0 for pitches outside 1..18.
float PitchValue(std::int32_t pitch);

// The entries of the pitch list, in order: an empty entry (no pitch chosen), then "1" to "18".
QStringList pitchEntries();

// The pitch number of a pitch list entry; nothing for the empty entry or a text that is not a whole number.
std::optional<std::int32_t> pitchNumber(const QString& entry);

} // namespace qx
