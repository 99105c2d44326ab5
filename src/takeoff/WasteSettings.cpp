#include "takeoff/WasteSettings.h"

#include "data/InputRules.h"
#include "data/NumberText.h"

namespace qx {

namespace {

const QString kSection = QStringLiteral("Waste");
const std::array<QString, WasteSettings::kFields> kKeys{QStringLiteral("Base"), QStringLiteral("HipValley"),
                                                        QStringLiteral("Rake")};

} // namespace

QString WasteSettings::plain(Field field) const {
    Percent percent;
    percent.tenThousandths = values[size_t(field)];
    return percent.plain();
}

WasteSettings WasteSettings::load(const SettingsStore& store) {
    WasteSettings settings;
    for (int i = 0; i < kFields; ++i) {
        const Percent stored =
            readPercent(store.read(kAppName, kSection, kKeys[size_t(i)]), kMustBeNumber, QLocale::c());
        if (stored.ok())
            settings.values[size_t(i)] = stored.tenThousandths;
    }
    return settings;
}

WasteSettings::Typed WasteSettings::typed(const QLocale& locale) const {
    Typed boxes;
    for (int i = 0; i < kFields; ++i)
        boxes[size_t(i)] = typedFormOfPlain(plain(Field(i)), locale);
    return boxes;
}

std::optional<QString> WasteSettings::checkValue(const QString& typed) {
    const Percent percent = readPercent(typed);
    return percent.ok() ? std::nullopt : std::optional(percent.problem);
}

std::optional<WasteSettings::Refusal> WasteSettings::check(const Typed& typed) {
    for (int i = 0; i < kFields; ++i) {
        if (auto message = checkValue(typed[size_t(i)]))
            return Refusal{*message, Field(i)};
    }
    return std::nullopt;
}

WasteSettings WasteSettings::from(const Typed& typed) {
    WasteSettings settings;
    for (int i = 0; i < kFields; ++i)
        settings.values[size_t(i)] = readPercent(typed[size_t(i)]).tenThousandths;
    return settings;
}

void WasteSettings::save(SettingsStore& store) const {
    for (int i = 0; i < kFields; ++i)
        store.write(kAppName, kSection, kKeys[size_t(i)], plain(Field(i)));
}

} // namespace qx
