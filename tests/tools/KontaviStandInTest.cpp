#include "StandIn.h"
#include "data/ProgramFolder.h"
#include "data/SqlFile.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qx;

namespace {

class KontaviStandInTest : public ::testing::Test {
protected:
    QString contactsFile() const { return dir.path() + "/Kontavi/data/contacts.mdb"; }
    QTemporaryDir dir;
    QTemporaryDir config;
    SettingsStore settings{config.path()};
};

TEST_F(KontaviStandInTest, LaysOutAKeyedContactListAndRecordsItsFolder) {
    ASSERT_EQ(kontavi::makeStandIn(dir.path() + "/Kontavi", settings, false), "");
    EXPECT_EQ(settings.read(kKontaviApp, "Common", "Path"), dir.path() + "/Kontavi");
    EXPECT_TRUE(settings.list(kAppName, "Common").isEmpty()); // Quorvex's own settings are untouched

    EXPECT_THROW(SqlFile::open(contactsFile(), QString(), SqlFile::Durability::Safe), Failure);
    auto file = SqlFile::open(contactsFile(), kContactsPassword, SqlFile::Durability::Safe,
                              SqlFile::Access::ReadOnly);
    const ResultSet rows = file->query("select firstname, lastname, company, contype from contacts");
    EXPECT_GE(rows.size(), 30);
    QSet<QString> types;
    int nullFirst = 0, nullLast = 0, nullCompany = 0, emptyCompany = 0, companies = 0;
    for (const QVariantList& row : rows.rows) {
        types << row.at(3).toString();
        nullFirst += row.at(0).isNull();
        nullLast += row.at(1).isNull();
        nullCompany += row.at(2).isNull();
        emptyCompany += !row.at(2).isNull() && row.at(2).toString().isEmpty();
        companies += !row.at(2).toString().isEmpty();
    }
    EXPECT_EQ(types, (QSet<QString>{"Lead", "Cust", "Contact", "Personal"}));
    EXPECT_GE(nullFirst, 1);
    EXPECT_GE(nullLast, 1);
    EXPECT_GE(nullCompany, 1);
    EXPECT_GE(emptyCompany, 1);
    EXPECT_GE(companies, 5);
}

TEST_F(KontaviStandInTest, AnExistingContactListIsOnlyReplacedWhenAsked) {
    const QString folder = dir.path() + "/Kontavi";
    ASSERT_EQ(kontavi::makeStandIn(folder, settings, false), "");
    {
        auto file = SqlFile::open(contactsFile(), kContactsPassword, SqlFile::Durability::Safe);
        file->exec("delete from contacts");
    }
    EXPECT_TRUE(kontavi::makeStandIn(folder, settings, false).contains("already exists"));
    auto count = [&] {
        return SqlFile::open(contactsFile(), kContactsPassword, SqlFile::Durability::Safe)
            ->scalar("select count(*) from contacts")
            .toInt();
    };
    EXPECT_EQ(count(), 0);
    ASSERT_EQ(kontavi::makeStandIn(folder, settings, true), "");
    EXPECT_EQ(count(), kontavi::sampleContacts().size());
}

} // namespace
