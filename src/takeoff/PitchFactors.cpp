#include "takeoff/PitchFactors.h"

#include <array>

namespace qx {

namespace {

constexpr int kMaxPitch = 18;

// Kept as the five-decimal figures contractors find in their pitch tables, so that an area figured
// here matches one figured by hand.
constexpr std::array<float, kMaxPitch> kFactors = {
    1.00347f, 1.01379f, 1.03078f, 1.05409f, 1.08333f, 1.11803f, 1.15770f, 1.20185f, 1.25000f,
    1.30171f, 1.35657f, 1.41421f, 1.47432f, 1.53659f, 1.60078f, 1.66667f, 1.73405f, 1.80278f,
};

} // namespace

float PitchValue(std::int32_t pitch) {
    if (pitch < 1 || pitch > kMaxPitch)
        return 0.0f;
    return kFactors[std::size_t(pitch - 1)];
}

QStringList pitchEntries() {
    QStringList entries{QString()};
    for (int pitch = 1; pitch <= kMaxPitch; ++pitch)
        entries << QString::number(pitch);
    return entries;
}

std::optional<std::int32_t> pitchNumber(const QString& entry) {
    bool ok = false;
    const int pitch = entry.trimmed().toInt(&ok);
    return ok ? std::optional<std::int32_t>(pitch) : std::nullopt;
}

} // namespace qx
