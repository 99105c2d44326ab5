#include "StandIn.h"

#include "data/Catalogue.h"
#include "data/ProgramFolder.h"
#include "data/SqlFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qx::kontavi {

namespace {

const QVariant null;

ContactRow contact(const QVariant& first, const QVariant& last, const QVariant& company, const char* address,
                   const char* city, const char* zip, const QVariant& home, const QVariant& work,
                   const QVariant& ext, const char* type) {
    return {first,
            last,
            company,
            QString::fromUtf8(address),
            QString::fromUtf8(city),
            QStringLiteral("MT"),
            QString::fromUtf8(zip),
            home,
            work,
            ext,
            QString::fromUtf8(type)};
}

} // namespace

const QList<ContactRow>& sampleContacts() {
    const QString none; // an empty text, which is not the same as a null value
    static const QList<ContactRow> rows{
        contact("Dale", "Miller", none, "418 Fir St", "Missoula", "59801", "406/555-0142", "406/555-0190",
                "12", "Cust"),
        contact("Anna", "Miller", none, "1207 Cherry Ln", "Missoula", "59802", "406/555-0177", none, none,
                "Lead"),
        contact("Jorge", "Martinez", none, "55 Grant Creek Rd", "Missoula", "59808", "406/555-0113", none,
                none, "Lead"),
        contact("Heather", "McAllister", "McAllister Dental", "2900 Brooks St", "Missoula", "59801",
                "406/555-0168", "406/555-0101", "204", "Cust"),
        contact("Tom", "Moore", null, "9 Aspen Ct", "Lolo", "59847", "406/555-0135", null, null, "Personal"),
        contact("Patrick", "O'Brien", none, "314 Spruce St", "Missoula", "59802", "406/555-0124",
                "406/555-0156", "3", "Cust"),
        contact("Linda", "D'Angelo", none, "87 Maple Dr", "Stevensville", "59870", "406/555-0183", none, none,
                "Lead"),
        contact("Karen", "Olsen", "Big Sky Property Management", "600 Higgins Ave", "Missoula", "59802",
                "406/555-0150", "406/555-0102", "17", "Contact"),
        contact(null, "Flathead Valley Builders", "Flathead Valley Builders", "1420 Hwy 93 S", "Kalispell",
                "59901", "406/555-0199", "406/555-0103", none, "Contact"),
        contact("Rosa", null, none, "23 Pine Hollow Rd", "Hamilton", "59840", "406/555-0126", none, none,
                "Lead"),
        contact("Property Management Office", "Hillcrest Owners Assoc", "Hillcrest Owners Association",
                "1 Hillcrest Loop", "Missoula", "59803", "406/555-0111", "406/555-0104", none, "Contact"),
        contact("Ben", "Anderson", none, "742 Evergreen Ter", "Missoula", "59801", "406/555-0131", none, none,
                "Cust"),
        contact("Sarah", "Bauer", null, "18 Ridge Rd", "Frenchtown", "59834", "406/555-0147", "406/555-0161",
                none, "Lead"),
        contact("Mike", "Carlson", "Carlson Ranch Supply", "5100 Mullan Rd", "Missoula", "59808",
                "406/555-0172", "406/555-0105", "8", "Cust"),
        contact("Emily", "Dawson", none, "233 Woodford St", "Missoula", "59801", "406/555-0119", none, none,
                "Personal"),
        contact("Greg", "Ellis", "Ellis Insurance Agency", "121 N Higgins Ave", "Missoula", "59802",
                "406/555-0164", "406/555-0106", "21", "Contact"),
        contact("Nancy", "Fischer", none, "402 Blaine St", "Missoula", "59801", "406/555-0138", none, none,
                "Cust"),
        contact("Carl", "Gustafson", null, "7 Bitterroot Trl", "Florence", "59833", "406/555-0185", null,
                null, "Lead"),
        contact("Julie", "Hansen", none, "1610 S 5th St W", "Missoula", "59801", "406/555-0122",
                "406/555-0159", none, "Cust"),
        contact("Ray", "Iverson", "Iverson Apartments", "800 Kensington Ave", "Missoula", "59801",
                "406/555-0174", "406/555-0107", "5", "Cust"),
        contact("Paula", "Jensen", none, "45 Tamarack Ln", "Seeley Lake", "59868", "406/555-0153", none, none,
                "Lead"),
        contact("Walt", "Kowalski", none, "2208 Russell St", "Missoula", "59801", "406/555-0116", none, none,
                "Personal"),
        contact("Diane", "Larsen", "Larsen Family Trust", "3 Pattee Canyon Dr", "Missoula", "59803",
                "406/555-0188", "406/555-0108", none, "Cust"),
        contact("Scott", "Nelson", none, "910 Toole Ave", "Missoula", "59802", "406/555-0129", null, null,
                "Lead"),
        contact("Grace", "Peterson", null, "66 Cedar Ridge Rd", "Corvallis", "59828", "406/555-0166", none,
                none, "Cust"),
        contact("Frank", "Quinn", "Quinn Auto Body", "2400 W Broadway", "Missoula", "59808", "406/555-0141",
                "406/555-0109", "2", "Contact"),
        contact("Laura", "Reed", none, "510 Daly Ave", "Missoula", "59801", "406/555-0157", none, none,
                "Personal"),
        contact("Steve", "Schmidt", none, "1734 Gerald Ave", "Missoula", "59801", "406/555-0132",
                "406/555-0195", "40", "Lead"),
        contact("Megan", "Thompson", "Rattlesnake Valley School", "1800 Lincolnwood Rd", "Missoula", "59802",
                "406/555-0179", "406/555-0110", "311", "Contact"),
        contact("Hank", "Underwood", none, "88 Old Darby Rd", "Darby", "59829", "406/555-0115", none, none,
                "Cust"),
        contact("Vera", "Vance", null, "401 Evans Ave", "Missoula", "59801", "406/555-0148", none, none,
                "Lead"),
        contact("Owen", "Walsh", none, "27 Lupine Ln", "Victor", "59875", "406/555-0136", none, none,
                "Personal"),
        contact("Chris", "Young", "Young Roofing Supply", "3100 Reserve St", "Missoula", "59808",
                "406/555-0162", "406/555-0112", "14", "Contact"),
        contact("Lisa", "Zimmerman", none, "1215 Beverly Ave", "Missoula", "59801", "406/555-0127", none,
                none, "Cust"),
    };
    return rows;
}

void writeContactsFile(const QString& path, const QList<ContactRow>& rows) {
    auto file = SqlFile::create(path, kContactsPassword, SqlFile::Durability::Safe);
    createCatalogue(*file, DatabaseKind::Contacts);
    Transaction transaction(*file);
    for (const ContactRow& row : rows)
        file->exec(
            QStringLiteral("insert into contacts (firstname, lastname, company, address, city, st, zip, "
                           "homeph, workph, ext, contype) values (?,?,?,?,?,?,?,?,?,?,?)"),
            row);
    transaction.commit();
}

QString makeStandIn(const QString& folder, SettingsStore& settings, bool replace) {
    const QString root = QFileInfo(folder).absoluteFilePath();
    const QString data = root + QStringLiteral("/data");
    const QString path = data + QStringLiteral("/contacts.mdb");
    if (QFileInfo::exists(path)) {
        if (!replace)
            return QStringLiteral("%1 already exists (--replace makes it anew)").arg(path);
        if (!QFile::remove(path))
            return QStringLiteral("%1 could not be removed").arg(path);
    }
    if (!QDir().mkpath(data))
        return QStringLiteral("the folder %1 could not be made").arg(data);
    try {
        writeContactsFile(path, sampleContacts());
    } catch (const Failure& failure) {
        QFile::remove(path);
        return QStringLiteral("%1 could not be written: %2").arg(path, failure.description());
    }
    settings.write(kKontaviApp, QStringLiteral("Common"), QStringLiteral("Path"), root);
    return {};
}

} // namespace qx::kontavi
