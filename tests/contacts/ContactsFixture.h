#pragma once

#include "TestFolders.h"

#include "StandIn.h"
#include "contacts/ContactDirectory.h"

#include <QDir>

namespace qxtest {

// A program folder whose settings name a Kontavi folder holding a small contacts file. Ids follow the
// order of the rows, from 1; in the grid's order (last name, then first name, a null last name first) they
// are 5 4 9 3 8 2 1 7 6.
class ContactsTest : public ProgramFolderTest {
protected:
    static inline const QString kLongFirst = QStringLiteral("Property Management Office"); // the box holds 25

    void SetUp() override {
        ProgramFolderTest::SetUp();
        const QVariant null;
        // firstname, lastname, company, address, city, st, zip, homeph, workph, ext, contype
        const QList<qx::kontavi::ContactRow> rows{
            {"Dale", "Miller", "", "418 Fir St", "Missoula", "MT", "59801", "406/555-0142", "406/555-0190",
             "12", "Cust"},
            {"Anna", "miller", "", "1207 Cherry Ln", "Missoula", "MT", "59802", "406/555-0177", null, null,
             "Lead"},
            {"Jorge", "Martinez", null, "55 Grant Creek Rd", "Missoula", "MT", "59808", "406/555-0113", "",
             "", "Lead"},
            {null, "Flathead Builders", "Flathead Builders", "1420 Hwy 93 S", "Kalispell", "MT", "59901",
             "406/555-0199", "406/555-0103", "", "Contact"},
            {"Rosa", null, "", "23 Pine Hollow Rd", null, "MT", "59840", "406/555-0126", "", "", "Lead"},
            {"Karen", "Olsen", "Big Sky Property", "600 Higgins Ave", "Missoula", "MT", "59802",
             "406/555-0150", "406/555-0102", "17", "Contact"},
            {"Tom", "Moore", null, "9 Aspen Ct", "Lolo", "MT", "59847", "406/555-0135", null, null,
             "Personal"},
            {"Ed", "Mc_Lean", "", "5 Elk Rd", "Lolo", "MT", "59847", "406/555-0171", "", "", "cust"},
            {kLongFirst, "Hillcrest", "Hillcrest Owners", "1 Hillcrest Loop", "Missoula", "MT", "59803",
             "406/555-0111", "406/555-0104", "", "Contact"},
        };
        contactCount = int(rows.size());
        kontaviFolder = programDir.path() + "/Kontavi";
        ASSERT_TRUE(QDir().mkpath(kontaviFolder + "/data"));
        qx::kontavi::writeContactsFile(kontaviFolder + "/data/contacts.mdb", rows);
        ctx->settings.write(qx::kKontaviApp, "Common", "Path", kontaviFolder);
        conn = *qx::kontaviContactsConn(ctx->settings);
    }

    QString kontaviFolder;
    qx::Conn conn;
    int contactCount = 0;
};

} // namespace qxtest
