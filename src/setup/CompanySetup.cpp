#include "setup/CompanySetup.h"

#include "data/Money.h"
#include "data/NumberText.h"
#include "data/InputRules.h"
#include "data/WholeNumber.h"

namespace qx {

namespace {

const QString kCoInfo = QStringLiteral("CoInfo");
const QString kCoInfoInc = QStringLiteral("CoInfoInc");
const QString kOp = QStringLiteral("Op");

const std::array<QString, SetupValues::kCompanyFields> kCompanyKeys{
    QStringLiteral("Name"),  QStringLiteral("Address"), QStringLiteral("City"), QStringLiteral("ST"),
    QStringLiteral("Zip"),   QStringLiteral("Phone"),   QStringLiteral("Fax"),  QStringLiteral("Cell"),
    QStringLiteral("Email"), QStringLiteral("Website")};
const std::array<QString, SetupValues::kIncludeFlags> kIncludeKeys{
    QStringLiteral("Name"),     QStringLiteral("AddressInc"), QStringLiteral("CityInc"),
    QStringLiteral("PhoneInc"), QStringLiteral("FaxInc"),     QStringLiteral("CellInc"),
    QStringLiteral("EmailInc"), QStringLiteral("WebsiteInc"), QStringLiteral("LetHead")};
const std::array<QString, 4> kAdminKeys{QStringLiteral("Overhead"), QStringLiteral("Profit"),
                                        QStringLiteral("Contingency"), QStringLiteral("Management")};
const std::array<QString, 4> kLabourKeys{QStringLiteral("WorkComp"), QStringLiteral("EmpTaxes"),
                                         QStringLiteral("OtherCosts"), QStringLiteral("Fringe")};

const QString kNotNegative = QStringLiteral("This field cannot be a negative number.");
const QString kTooLarge = QStringLiteral("This number is too large to be stored.");

// Positions of the Op section: the greeting flag, then the four amounts, then the four burdens.
constexpr int kGreetPos = 0;
constexpr int kFirstAdminPos = 1;
constexpr int kFirstLabourPos = 5;

AdminDefault splitAdmin(const QString& stored) {
    const qsizetype dash = stored.indexOf(u'-');
    const QString kind = dash < 0 ? stored : stored.left(dash);
    return {kind == QLatin1String("%"), dash < 0 ? QString() : stored.mid(dash + 1)};
}

// A stored number as the readers expect it: plain decimal digits, as typed when typed that way ("250"
// stays "250"); a number typed with grouping or a currency sign is written plain ("1,250" gives "1250").
// A refusal message when the text is no number, is negative, or is too large to figure with.
struct Plain {
    QString text;
    QString refusal;
};

Plain plainNumber(const QString& typed, bool currency) {
    QString text = typed.trimmed();
    if (auto plain = plainDecimal(text, QLocale())) {
        // Every amount is figured as money: a number must fit into its range.
        if (!Money::parsePlain(*plain))
            return {{}, kTooLarge};
        return {*plain, {}};
    }
    if (currency) {
        if (const auto money = Money::parseCurrency(text)) {
            if (*money < Money())
                return {{}, kNotNegative};
            return {money->toPlain(2), {}};
        }
    }
    const auto number = parseNumber(text);
    if (number && *number < 0)
        return {{}, kNotNegative};
    return {{}, kMustBeNumber};
}

Plain adminNumber(const AdminDefault& admin) {
    return plainNumber(admin.amount, !admin.percent);
}

} // namespace

SetupValues CompanySetup::load(const SettingsStore& store) {
    SetupValues values;
    const SettingsList company = store.list(kAppName, kCoInfo);
    for (int i = 0; i < SetupValues::kCompanyFields; ++i)
        values.company[size_t(i)] = company.value(i).second;
    const SettingsList op = store.list(kAppName, kOp);
    const auto greet = parseNumber(op.value(kGreetPos).second);
    values.showGreet = greet && *greet != 0;
    for (int i = 0; i < 4; ++i) {
        values.admin[size_t(i)] = splitAdmin(op.value(kFirstAdminPos + i).second);
        values.labour[size_t(i)] = op.value(kFirstLabourPos + i).second;
    }
    for (int i = 0; i < SetupValues::kIncludeFlags; ++i)
        values.include[size_t(i)] =
            store.read(kAppName, kCoInfoInc, kIncludeKeys[size_t(i)]) == QLatin1String("1");
    return values;
}

void CompanySetup::saveCompany(SettingsStore& store, const SetupValues& values) {
    for (int i = 0; i < SetupValues::kCompanyFields; ++i)
        store.write(kAppName, kCoInfo, kCompanyKeys[size_t(i)], values.company[size_t(i)]);
    for (int i = 0; i < SetupValues::kIncludeFlags; ++i)
        store.write(kAppName, kCoInfoInc, kIncludeKeys[size_t(i)],
                    values.include[size_t(i)] ? QStringLiteral("1") : QStringLiteral("0"));
}

std::optional<QString> CompanySetup::checkAdmin(const AdminDefault& admin) {
    const Plain plain = adminNumber(admin);
    return plain.refusal.isEmpty() ? std::nullopt : std::optional(plain.refusal);
}

std::optional<QString> CompanySetup::checkLabour(const QString& percent) {
    const Plain plain = plainNumber(percent, false);
    return plain.refusal.isEmpty() ? std::nullopt : std::optional(plain.refusal);
}

std::optional<ValuesRefusal> CompanySetup::checkValues(const SetupValues& values) {
    for (int i = 0; i < 4; ++i) {
        if (auto message = checkAdmin(values.admin[size_t(i)]))
            return ValuesRefusal{*message, i};
    }
    for (int i = 0; i < 4; ++i) {
        if (auto message = checkLabour(values.labour[size_t(i)]))
            return ValuesRefusal{*message, 4 + i};
    }
    return std::nullopt;
}

bool CompanySetup::saveValues(SettingsStore& store, const SetupValues& values) {
    if (checkValues(values))
        return false;
    for (int i = 0; i < 4; ++i) {
        const AdminDefault& admin = values.admin[size_t(i)];
        const QString kind = admin.percent ? QStringLiteral("%-") : QStringLiteral("Fixed-");
        store.write(kAppName, kOp, kAdminKeys[size_t(i)], kind + adminNumber(admin).text);
    }
    store.write(kAppName, kOp, QStringLiteral("Greet"),
                values.showGreet ? QStringLiteral("1") : QStringLiteral("0"));
    for (int i = 0; i < 4; ++i)
        store.write(kAppName, kOp, kLabourKeys[size_t(i)], plainNumber(values.labour[size_t(i)], false).text);
    return true;
}

} // namespace qx
