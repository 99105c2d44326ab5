#include "setup/CompanySetup.h"

#include "data/InputRules.h"
#include "data/NumberText.h"
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

// Positions of the Op section: the greeting flag, then the four amounts, then the four burdens.
constexpr int kGreetPos = 0;
constexpr int kFirstAdminPos = 1;
constexpr int kFirstLabourPos = 5;

// The boxes show the stored plain numbers as the user types them, so that saving them unchanged stores
// the same numbers in every locale.
AdminDefault splitAdmin(const QString& stored) {
    const qsizetype dash = stored.indexOf(u'-');
    const QString kind = dash < 0 ? stored : stored.left(dash);
    return {kind == QLatin1String("%"),
            dash < 0 ? QString() : typedFormOfPlain(stored.mid(dash + 1), QLocale())};
}

// A stored number as its readers expect it: plain decimal digits without trailing zeros ("250", "7.65"),
// however the user typed it ("$1,250.00" gives "1250"). A refusal message when it cannot be stored.
struct Plain {
    QString text;
    QString refusal;
};

QString withoutTrailingZeros(QString text) {
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

Plain percentNumber(const QString& typed) {
    const Percent percent = readPercent(typed);
    return {percent.ok() ? percent.plain() : QString(), percent.problem};
}

Plain adminNumber(const AdminDefault& admin) {
    if (admin.percent)
        return percentNumber(admin.amount);
    const Amount amount = readAmount(admin.amount);
    return {amount.ok() ? withoutTrailingZeros(amount.value.toPlain(4)) : QString(), amount.problem};
}

} // namespace

SetupValues CompanySetup::load(const SettingsStore& store) {
    SetupValues values;
    const SettingsList company = store.list(kAppName, kCoInfo);
    for (int i = 0; i < SetupValues::kCompanyFields; ++i)
        values.company[size_t(i)] = company.value(i).second;
    const SettingsList op = store.list(kAppName, kOp);
    const auto greet = parseNumber(op.value(kGreetPos).second);
    values.showGreet = greet && *greet == 1; // as the start-up reads it
    for (int i = 0; i < 4; ++i) {
        values.admin[size_t(i)] = splitAdmin(op.value(kFirstAdminPos + i).second);
        values.labour[size_t(i)] = typedFormOfPlain(op.value(kFirstLabourPos + i).second, QLocale());
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
    const Plain plain = percentNumber(percent);
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
        store.write(kAppName, kOp, kLabourKeys[size_t(i)], percentNumber(values.labour[size_t(i)]).text);
    return true;
}

} // namespace qx
