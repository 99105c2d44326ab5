#include "OfficeFixture.h"

#include "FormDriver.h"
#include "data/InputRules.h"
#include "data/ScriptedPrompter.h"
#include "office/OfficeSettings.h"
#include "office/PasswordVault.h"
#include "office/UiOfficeTab.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace qx;
using namespace qxtest;

namespace {

struct Refused {
    const char* name;
    OfficeSettings::Typed typed;
    OfficeSettings::Field field;
    QString message;
};

class OfficeSettingsChecks : public ::testing::TestWithParam<Refused> {};

TEST_P(OfficeSettingsChecks, ABoxThatCannotBeUsedIsRefusedWithItsMessage) {
    const auto refusal = OfficeSettings::check(GetParam().typed);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->field, GetParam().field);
    EXPECT_EQ(refusal->message.toStdString(), GetParam().message.toStdString());
}

const QString kHostBlanks = "The office server's name cannot hold spaces or invisible characters.";
const QString kPortRange = "This field must be a whole number between 1 and 65535.";

INSTANTIATE_TEST_SUITE_P(
    Boxes, OfficeSettingsChecks,
    ::testing::Values(
        Refused{"NoHost",
                {"", "5432", "quorvex", "ann", ""},
                OfficeSettings::Field::Host,
                "Enter the office server's name."},
        Refused{"InvisibleHost",
                {"\u200b \u00a0", "5432", "quorvex", "ann", ""},
                OfficeSettings::Field::Host,
                "Enter the office server's name."},
        Refused{"HostWithSpace",
                {"office pc", "5432", "quorvex", "ann", ""},
                OfficeSettings::Field::Host,
                kHostBlanks},
        Refused{"HostWithTab",
                {"office\tpc", "5432", "quorvex", "ann", ""},
                OfficeSettings::Field::Host,
                kHostBlanks},
        Refused{"HostWithZeroWidth",
                {"db\u200b1", "5432", "quorvex", "ann", ""},
                OfficeSettings::Field::Host,
                kHostBlanks},
        Refused{"LongHost",
                {QString(256, 'h'), "5432", "quorvex", "ann", ""},
                OfficeSettings::Field::Host,
                tooLongMessage(255)},
        Refused{"PortZero", {"db1", "0", "quorvex", "ann", ""}, OfficeSettings::Field::Port, kPortRange},
        Refused{
            "PortTooLarge", {"db1", "65536", "quorvex", "ann", ""}, OfficeSettings::Field::Port, kPortRange},
        Refused{
            "PortFraction", {"db1", "5432.5", "quorvex", "ann", ""}, OfficeSettings::Field::Port, kPortRange},
        Refused{
            "PortText", {"db1", "five", "quorvex", "ann", ""}, OfficeSettings::Field::Port, kMustBeNumber},
        Refused{"NoDatabase",
                {"db1", "5432", " ", "ann", ""},
                OfficeSettings::Field::Database,
                "This field cannot be empty."},
        Refused{"LongUser",
                {"db1", "5432", "quorvex", QString(64, 'u'), ""},
                OfficeSettings::Field::User,
                tooLongMessage(63)},
        Refused{"PasswordHoldingNul",
                {"db1", "5432", "quorvex", "ann", QString("pw") + QChar(u'\0') + "rest"},
                OfficeSettings::Field::Password,
                kPasswordHoldsNul}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfficeSettingsTest, SettingsAreKeptAndThePasswordOnlyInAFileItsOwnerCanRead) {
    QTemporaryDir config;
    SettingsStore store(config.path());
    EXPECT_EQ(OfficeSettings::load(store), OfficeSettings()); // this PC only, port 5432, database quorvex
    const OfficeSettings settings =
        OfficeSettings::from({" db1.office.lan ", "6543", "roofs", "ann", ""}, false, true);
    settings.save(store);
    EXPECT_EQ(OfficeSettings::load(store), settings);
    EXPECT_EQ(settings.host, "db1.office.lan");

    PasswordVault vault(config.path(), false);
    QString failure;
    ASSERT_TRUE(vault.save("db1.office.lan", "ann", "s3cret'pw", failure)) << failure.toStdString();
    const auto others =
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_EQ(QFile::permissions(vault.filePath()) & others, 0);
    EXPECT_TRUE(QFile::permissions(vault.filePath()) & QFileDevice::ReadOwner);
    EXPECT_EQ(vault.read("db1.office.lan", "ann"), "s3cret'pw");
    EXPECT_EQ(vault.read("db1.office.lan", "bob"), ""); // another user's sign-in is not this one
    EXPECT_TRUE(vault.placeText().contains(vault.filePath()));
    QFile ini(store.filePath(kAppName));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_FALSE(ini.readAll().contains("s3cret"));
}

class OfficeTabTest : public OfficeServerTest {};

// The tab as a user meets it: the server is tested with a typed password, saved, and tested again with
// the kept one, which the box never shows.
TEST_F(OfficeTabTest, TestConnectionAndSaveKeepThePasswordOutOfSight) {
    QTemporaryDir config;
    SettingsStore store(config.path());
    ScriptedPrompter prompter;
    UiOfficeTab tab(store, prompter, std::make_unique<PasswordVault>(config.path(), false),
                    ProgramFolder(config.path()));
    showActive(&tab);
    const OfficeServer office = server().office();
    auto type = [&](const char* name, const QString& text) { get<QLineEdit>(&tab, name)->setText(text); };
    EXPECT_TRUE(get<QRadioButton>(&tab, "optLocal")->isChecked());
    EXPECT_EQ(get<QLineEdit>(&tab, "txtOfficePort")->text(), "5432");

    type("txtOfficeHost", office.host);
    type("txtOfficePort", QString::number(office.port));
    type("txtOfficeUser", office.user);
    // A password the server could not be sent whole is kept nowhere.
    type("txtOfficePassword", office.password + QChar(u'\0') + "tail");
    press(&tab, "cmdOfficeSave");
    EXPECT_EQ(prompter.lastText(), kPasswordHoldsNul);
    settle();
    EXPECT_EQ(focusName(&tab), "txtOfficePassword");
    EXPECT_EQ(OfficeSettings::load(store), OfficeSettings());
    EXPECT_EQ(PasswordVault(config.path(), false).read(office.host, office.user), "");
    type("txtOfficePassword", "not-the-one");
    press(&tab, "cmdOfficeTest");
    EXPECT_EQ(prompter.lastText(),
              "Could not connect to quorvex on 127.0.0.1: the user name or the password is wrong.");
    type("txtOfficePassword", office.password);
    press(&tab, "cmdOfficeTest");
    EXPECT_EQ(prompter.lastText(), "Connected to quorvex on 127.0.0.1.");

    press(&tab, "cmdOfficeSave");
    QLineEdit* password = get<QLineEdit>(&tab, "txtOfficePassword");
    EXPECT_EQ(password->text(), "");
    EXPECT_EQ(password->placeholderText(), "(saved)");
    EXPECT_EQ(OfficeSettings::load(store).port, office.port);
    press(&tab, "cmdOfficeTest");
    EXPECT_EQ(prompter.lastText(), "Connected to quorvex on 127.0.0.1.");
    for (const QString& line : prompter.log())
        EXPECT_FALSE(line.contains(office.password)) << line.toStdString();
}

} // namespace
