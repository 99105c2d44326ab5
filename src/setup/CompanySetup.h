#pragma once

#include "data/SettingsStore.h"

#include <array>
#include <optional>

namespace qx {

// One default administrative amount: a percentage of the line total or a fixed amount.
struct AdminDefault {
    bool percent = true;
    QString amount;

    bool operator==(const AdminDefault&) const = default;
};

// What the setup screen shows: the company profile and its letterhead flags ("Company Info"), and the
// greeting flag, the default administrative amounts and labour burdens ("Default Values").
struct SetupValues {
    static constexpr int kCompanyFields = 10; // name, address, city, ST, zip, phone, fax, cell, email, web
    static constexpr int kIncludeFlags = 9;   // the eight letterhead lines, then "assume stationery"
    std::array<QString, kCompanyFields> company;
    std::array<bool, kIncludeFlags> include{};
    bool showGreet = false;
    std::array<AdminDefault, 4> admin; // overhead, profit, contingency, management
    std::array<QString, 4> labour;     // workers' comp, employer taxes, other costs, fringe

    bool operator==(const SetupValues&) const = default;
};

// A refused "Save Changes": the message and the box it is about (0-3 the administrative amounts, 4-7 the
// labour percentages).
struct ValuesRefusal {
    QString message;
    int box;
};

// The company setup screen's reading and writing of the settings store. The company fields, the greeting
// flag, the amounts and the burdens are read by their position in their section, the flags by key.
struct CompanySetup {
    static SetupValues load(const SettingsStore& store);
    // "Save" of the company tab: the ten fields and the nine flags ("0" or "1").
    static void saveCompany(SettingsStore& store, const SetupValues& values);
    // Every amount and burden must be a number the input rules take (a fixed amount as money, the others
    // as percentages: never negative, never too large), so that each reader can read it back. The message,
    // or nothing.
    static std::optional<QString> checkAdmin(const AdminDefault& admin);
    static std::optional<QString> checkLabour(const QString& percent);
    // "Save Changes" of the values tab: the first refused box, or nothing.
    static std::optional<ValuesRefusal> checkValues(const SetupValues& values);
    // Writes the amounts ("%-15", "Fixed-250"), the greeting flag and the burdens, each number in plain
    // decimal form. False, with nothing written, when checkValues refuses a box.
    static bool saveValues(SettingsStore& store, const SetupValues& values);
};

} // namespace qx
