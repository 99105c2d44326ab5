#include "docs/CompanyBlock.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CompanyBlockTest : public ::testing::Test {
protected:
    void SetUp() override { qx::writeDefaultSettings(store); }
    void flags(const char* section, std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [key, value] : values)
            store.write(qx::kAppName, QLatin1String(section), QLatin1String(key), QLatin1String(value));
    }
    QStringList lines() {
        const qx::CompanyBlock block = qx::CompanyBlock::read(store);
        EXPECT_EQ(block.companyName,
                  store.read(qx::kAppName, QStringLiteral("CoInfo"), QStringLiteral("Name")));
        EXPECT_TRUE(block.text.endsWith(QStringLiteral("\r\n")));
        EXPECT_EQ(block.text.count(QStringLiteral("\r\n")), 6);
        return block.text.split(QStringLiteral("\r\n")).mid(0, 6);
    }

    QTemporaryDir dir;
    qx::SettingsStore store{dir.path()};
};

TEST_F(CompanyBlockTest, DefaultSettings) {
    EXPECT_EQ(lines(), (QStringList{"ABC Construction", "5454 Builders Lane", "Anytown, MT 54321-1234",
                                    "406/123-4567 Fax:406/234-5678", "", ""}));
}

TEST_F(CompanyBlockTest, EveryFlagOn) {
    flags("CoInfoInc", {{"CellInc", "1"}, {"EmailInc", "1"}, {"WebsiteInc", "1"}});
    flags("CoInfo", {{"Email", "office@abc.example"}, {"Website", "www.abc.example"}});
    EXPECT_EQ(lines(), (QStringList{"ABC Construction", "5454 Builders Lane", "Anytown, MT 54321-1234",
                                    "406/123-4567 Fax:406/234-5678 Cell:406/345-6789", "office@abc.example",
                                    "www.abc.example"}));
}

TEST_F(CompanyBlockTest, LeftOutLinesStayEmpty) {
    flags("CoInfoInc", {{"AddressInc", "0"}, {"PhoneInc", "0"}, {"CellInc", "1"}});
    EXPECT_EQ(lines(), (QStringList{"ABC Construction", "", "Anytown, MT 54321-1234",
                                    " Fax:406/234-5678 Cell:406/345-6789", "", ""}));
}

TEST_F(CompanyBlockTest, EveryFlagOffGivesSixEmptyLines) {
    flags("CoInfoInc",
          {{"Name", "0"}, {"AddressInc", "0"}, {"CityInc", "0"}, {"PhoneInc", "0"}, {"FaxInc", "0"}});
    EXPECT_EQ(lines(), QStringList(6, QString()));
}

TEST_F(CompanyBlockTest, LetterheadLeavesRoomForStationery) {
    for (const char* letterhead : {"1", "yes", ""}) {
        flags("CoInfoInc",
              {{"LetHead", letterhead}, {"CellInc", "1"}, {"EmailInc", "1"}, {"WebsiteInc", "1"}});
        EXPECT_EQ(lines(), QStringList(6, QString())) << letterhead;
    }
}

TEST_F(CompanyBlockTest, FlagsOtherThanOneLeaveTheLineOut) {
    flags("CoInfoInc", {{"Name", "true"}, {"AddressInc", " 1"}});
    EXPECT_EQ(lines().mid(0, 2), (QStringList{"", ""}));
}

} // namespace
