#include "sales/SalesSum.h"

#include <limits>

namespace qx {

namespace {

std::optional<Money> asAmount(__int128 raw) {
    if (raw < std::numeric_limits<std::int64_t>::min() || raw > std::numeric_limits<std::int64_t>::max())
        return std::nullopt;
    return Money::fromRaw(std::int64_t(raw));
}

} // namespace

SalesSum SalesSum::fromHalves(std::int64_t high, std::int64_t low) {
    SalesSum sum;
    sum.m_raw = __int128(high) * (__int128(1) << 32) + low;
    return sum;
}

std::optional<Money> SalesSum::amount() const {
    return asAmount(m_raw);
}

std::optional<Money> SalesSum::meanToCents(int count) const {
    if (count <= 0)
        return std::nullopt;
    const __int128 scale = 100 * __int128(count);
    const __int128 magnitude = m_raw < 0 ? -m_raw : m_raw;
    const __int128 cents = (magnitude * 2 + scale) / (scale * 2);
    return asAmount((m_raw < 0 ? -cents : cents) * 100);
}

} // namespace qx
