#pragma once

#include "data/Money.h"

#include <optional>

namespace qx {

// An exact sum of the register's stored totals. It is kept wider than an amount, so that adding never
// wraps round however many totals there are; a sum beyond what an amount can hold is refused when it
// is shown, never shown wrong.
class SalesSum {
public:
    SalesSum() = default;
    SalesSum(Money amount)
        : m_raw(amount.raw()) {}
    // high * 2^32 + low ten-thousandths: the register adds up each total's two halves apart, so that its
    // own sums stay within 64 bits.
    static SalesSum fromHalves(std::int64_t high, std::int64_t low);

    SalesSum& operator+=(const SalesSum& other) {
        m_raw += other.m_raw;
        return *this;
    }
    bool operator==(const SalesSum&) const = default;
    auto operator<=>(const SalesSum&) const = default;

    // The sum as an amount; nothing when it is beyond what an amount can hold.
    std::optional<Money> amount() const;
    // The mean of `count` totals to the cent, a half away from zero; nothing for no totals or a mean
    // beyond an amount.
    std::optional<Money> meanToCents(int count) const;
    // Near enough to draw with.
    double approximate() const { return double(m_raw); }

private:
    __int128 m_raw = 0;
};

} // namespace qx
