#include "docs/CompanyBlock.h"

#include "docs/ReportColumns.h"

namespace qx {

CompanyBlock CompanyBlock::read(const SettingsStore& settings) {
    const auto info = [&](const char* key) {
        return settings.read(kAppName, QStringLiteral("CoInfo"), QLatin1String(key));
    };
    const auto included = [&](const char* key) {
        return settings.read(kAppName, QStringLiteral("CoInfoInc"), QLatin1String(key)) == QLatin1String("1");
    };
    const QString& br = ReportColumns::kBreak;
    CompanyBlock block;
    block.companyName = info("Name");
    if (settings.read(kAppName, QStringLiteral("CoInfoInc"), QStringLiteral("LetHead")) !=
        QLatin1String("0")) {
        block.text = br.repeated(6);
        return block;
    }
    QString phones;
    if (included("PhoneInc"))
        phones += info("Phone");
    if (included("FaxInc"))
        phones += QStringLiteral(" Fax:") + info("Fax");
    if (included("CellInc"))
        phones += QStringLiteral(" Cell:") + info("Cell");
    const QString lines[6] = {
        included("Name") ? block.companyName : QString(),
        included("AddressInc") ? info("Address") : QString(),
        included("CityInc")
            ? info("City") + QStringLiteral(", ") + info("ST") + QStringLiteral(" ") + info("Zip")
            : QString(),
        phones,
        included("EmailInc") ? info("Email") : QString(),
        included("WebsiteInc") ? info("Website") : QString(),
    };
    for (const QString& line : lines)
        block.text += line + br;
    return block;
}

} // namespace qx
