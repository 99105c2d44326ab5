#include "data/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using qx::kAppName;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QStringList keys(const QString& section) const {
        QStringList names;
        for (const auto& entry : store.list(kAppName, section))
            names << entry.first;
        return names;
    }

    void writeFile(const QByteArray& content) {
        QDir().mkpath(root.path() + u'/' + kAppName);
        QFile file(store.filePath(kAppName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir root;
    qx::SettingsStore store{root.path()};
};

} // namespace

TEST_F(SettingsStoreTest, DefaultsStandInTheirFixedOrder) {
    EXPECT_TRUE(qx::isFirstStart(store));
    qx::writeDefaultSettings(store);
    EXPECT_FALSE(qx::isFirstStart(store));

    EXPECT_EQ(keys(QStringLiteral("CoInfo")), QStringList({"Name", "Address", "City", "ST", "Zip", "Phone",
                                                           "Fax", "Cell", "Email", "Website"}));
    EXPECT_EQ(keys(QStringLiteral("CoInfoInc")),
              QStringList({"Name", "AddressInc", "CityInc", "PhoneInc", "FaxInc", "CellInc", "EmailInc",
                           "WebsiteInc", "LetHead"}));
    EXPECT_EQ(keys(QStringLiteral("Op")),
              QStringList({"Greet", "Overhead", "Profit", "Contingency", "Management", "WorkComp", "EmpTaxes",
                           "OtherCosts", "Fringe"}));
    EXPECT_EQ(store.read(kAppName, QStringLiteral("CoInfo"), QStringLiteral("Zip")),
              QStringLiteral("54321-1234"));
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("Op"), 3), QStringLiteral("Fixed-100"));
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("Op"), 6), QStringLiteral("7.65"));
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("CoInfoInc"), 5), QStringLiteral("0"));
}

TEST_F(SettingsStoreTest, DefaultsKeepWhatIsAlreadyStored) {
    store.write(kAppName, QStringLiteral("Common"), QStringLiteral("Path"), QStringLiteral("/opt/quorvex"));
    EXPECT_TRUE(qx::isFirstStart(store)); // the program folder alone is no earlier start
    store.write(kAppName, QStringLiteral("Op"), QStringLiteral("Profit"), QStringLiteral("%-20"));
    EXPECT_FALSE(qx::isFirstStart(store));

    qx::writeDefaultSettings(store);
    EXPECT_EQ(store.read(kAppName, QStringLiteral("Common"), QStringLiteral("Path")),
              QStringLiteral("/opt/quorvex"));
    // As if written one by one: Profit keeps its earlier place and takes the default value.
    EXPECT_EQ(keys(QStringLiteral("Op")).mid(0, 3), QStringList({"Profit", "Greet", "Overhead"}));
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("Op"), 0), QStringLiteral("%-15"));
}

TEST_F(SettingsStoreTest, RewritingAKeyKeepsItsPlace) {
    qx::writeDefaultSettings(store);
    const QStringList before = keys(QStringLiteral("Op"));
    store.write(kAppName, QStringLiteral("Op"), QStringLiteral("Overhead"), QStringLiteral("Fixed-100"));
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("Op"), 1), QStringLiteral("Fixed-100"));
    // Names match without regard to case and keep the case they were created with.
    store.write(kAppName, QStringLiteral("op"), QStringLiteral("GREET"), QStringLiteral("0"));
    EXPECT_EQ(keys(QStringLiteral("Op")), before);
    EXPECT_EQ(store.read(kAppName, QStringLiteral("OP"), QStringLiteral("greet")), QStringLiteral("0"));

    store.write(kAppName, QStringLiteral("Op"), QStringLiteral("Markup"), QStringLiteral("5"));
    EXPECT_EQ(keys(QStringLiteral("Op")), before + QStringList{"Markup"});
}

TEST_F(SettingsStoreTest, MissingThingsReadEmpty) {
    EXPECT_EQ(store.read(kAppName, QStringLiteral("Op"), QStringLiteral("Greet")), QString());
    qx::writeDefaultSettings(store);
    EXPECT_EQ(store.read(kAppName, QStringLiteral("Op"), QStringLiteral("NoSuchKey")), QString());
    EXPECT_TRUE(store.list(kAppName, QStringLiteral("NoSuchSection")).isEmpty());
    EXPECT_TRUE(store.list(qx::kKontaviApp, QStringLiteral("Op")).isEmpty()); // each program its own file
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("Op"), 9), QString());
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("Op"), -1), QString());
}

TEST_F(SettingsStoreTest, ValuesRoundTripWhateverTheyHold) {
    const QString value = QStringLiteral("Line one\nLine two\r\nC:\\path\\n not a break\\\n=[x]; é");
    store.write(kAppName, QStringLiteral("Terms"), QStringLiteral("Text"), value);
    store.write(kAppName, QStringLiteral("Terms"), QStringLiteral("After"), QStringLiteral(" spaced "));
    EXPECT_EQ(store.read(kAppName, QStringLiteral("Terms"), QStringLiteral("Text")), value);
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("Terms"), 1), QStringLiteral(" spaced "));
}

TEST_F(SettingsStoreTest, EveryReadGoesToTheFile) {
    qx::SettingsStore other(root.path());
    store.write(kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("1"));
    EXPECT_EQ(other.read(kAppName, QStringLiteral("Op"), QStringLiteral("Greet")), QStringLiteral("1"));
    other.write(kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("0"));
    EXPECT_EQ(store.read(kAppName, QStringLiteral("Op"), QStringLiteral("Greet")), QStringLiteral("0"));

    // A file edited by hand: byte order mark, Windows line ends, blank lines and stray text are read as far
    // as they make sense; a repeated key counts as a later write.
    writeFile(
        "\xEF\xBB\xBF[CoInfo]\r\nName=Roof Co\r\n\r\nnonsense\r\nCity=Helena\r\n[coinfo]\r\nname=Late\r\n");
    EXPECT_EQ(keys(QStringLiteral("CoInfo")), QStringList({"Name", "City"}));
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("CoInfo"), 0), QStringLiteral("Late"));
    EXPECT_EQ(store.readAt(kAppName, QStringLiteral("CoInfo"), 1), QStringLiteral("Helena"));
}

// Keys of a hand-edited file are read as the store writes them back, so a write never loses or renames
// another key: blanks around a key, escaped ones too, are no part of it, and a blank key is no key.
TEST_F(SettingsStoreTest, OddKeysOfAHandEditedFileSurviveAWrite) {
    // "\\ [" is the key "[": written back it must not read as a section "[=0 [CoInfo]".
    writeFile("[Op]\n\\ Fringe\\r=2\n  =lost\n\\r\\n=lost too\nGreet=1\n\\ [=0 [CoInfo]\n");
    const qx::SettingsList expected{{"Fringe", "2"}, {"Greet", "1"}, {"[", "0 [CoInfo]"}};
    EXPECT_EQ(store.list(kAppName, QStringLiteral("Op")), expected);
    store.write(kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("0"));
    EXPECT_EQ(store.read(kAppName, QStringLiteral("Op"), QStringLiteral("Fringe")), QStringLiteral("2"));
    EXPECT_EQ(keys(QStringLiteral("Op")), QStringList({"Fringe", "Greet", "["}));
    EXPECT_TRUE(store.list(kAppName, QStringLiteral("=0 [CoInfo")).isEmpty());
}

TEST_F(SettingsStoreTest, FileLivesInTheConfigurationFolder) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", root.path().toUtf8());
    const QString path = qx::SettingsStore().filePath(qx::kKontaviApp);
    saved.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", saved);
    EXPECT_EQ(path, root.path() + QStringLiteral("/Kontavi/settings.ini"));

    // A missing folder is created; a folder that cannot be one leaves the store empty, without complaint.
    qx::SettingsStore nested(root.path() + QStringLiteral("/a/b"));
    nested.write(kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("1"));
    EXPECT_TRUE(QFile::exists(root.path() + QStringLiteral("/a/b/Quorvex/settings.ini")));
    writeFile("");
    qx::SettingsStore blocked(store.filePath(kAppName));
    blocked.write(kAppName, QStringLiteral("Op"), QStringLiteral("Greet"), QStringLiteral("1"));
    EXPECT_EQ(blocked.read(kAppName, QStringLiteral("Op"), QStringLiteral("Greet")), QString());
}
