#pragma once

#include "data/SettingsStore.h"

#include <QLocale>
#include <array>
#include <cstdint>
#include <optional>

namespace qx {

// The three values cut waste is figured from, kept in the settings store (section "Waste"): the base
// percentage, the square feet lost per foot of hip and valley and per foot of rake. Each is exact to
// four decimals (ten-thousandths) and never negative.
struct WasteSettings {
    enum Field { Base = 0, HipValley = 1, Rake = 2 };
    static constexpr int kFields = 3;

    // 5 %, 1.5 sq ft and 0.5 sq ft.
    std::array<std::int64_t, kFields> values{50'000, 15'000, 5'000};

    bool operator==(const WasteSettings&) const = default;
    double value(Field field) const { return double(values[size_t(field)]) / 10'000.0; }
    // Plain C text without trailing zeros: "5", "1.5".
    QString plain(Field field) const;

    // The stored values; one never stored, or stored unreadable, has its default.
    static WasteSettings load(const SettingsStore& store);

    // The setup screen's boxes, as typed.
    using Typed = std::array<QString, kFields>;
    // The values as the boxes show them in `locale`.
    Typed typed(const QLocale& locale = QLocale()) const;
    // The rule of each box, checked when it is left and again by "Save Changes": a number from 0 to
    // 1000 as a percentage box reads it. The message, or nothing.
    static std::optional<QString> checkValue(const QString& typed);
    struct Refusal {
        QString message;
        Field field;
    };
    static std::optional<Refusal> check(const Typed& typed);
    // The typed values once check passed.
    static WasteSettings from(const Typed& typed);
    void save(SettingsStore& store) const;
};

} // namespace qx
