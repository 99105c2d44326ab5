#include "OfficeFixture.h"

#include "office/OfficeEngine.h"

using namespace qx;

namespace {

struct Case {
    const char* name;
    void (*change)(OfficeServer&);
    const char* answer; // HOST stands for the server's host
};

class OfficeConnectTest : public qxtest::OfficeServerTest, public ::testing::WithParamInterface<Case> {};

TEST_P(OfficeConnectTest, TestConnectionAnswersInPlainWordsWithoutThePassword) {
    OfficeServer office = server().office();
    GetParam().change(office);
    const QString answer = testOfficeConnection(office);
    EXPECT_EQ(answer.toStdString(),
              QString::fromUtf8(GetParam().answer).replace("HOST", office.host).toStdString());
    if (office.password.size() >= kShortestMasked) {
        EXPECT_FALSE(answer.contains(office.password)) << answer.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Causes, OfficeConnectTest,
    ::testing::Values(
        Case{"Connected", [](OfficeServer&) {}, "Connected to quorvex on HOST."},
        Case{"UnknownHost", [](OfficeServer& o) { o.host = "no-such-host.invalid"; },
             "Could not connect to quorvex on HOST: the server name HOST is unknown."},
        Case{"Refused", [](OfficeServer& o) { o.port = 1; },
             "Could not connect to quorvex on HOST: the server refused the connection on port 1."},
        Case{"WrongPassword", [](OfficeServer& o) { o.password = "Wrong-Pw-4711"; },
             "Could not connect to quorvex on HOST: the user name or the password is wrong."},
        Case{"OneLetterPassword", [](OfficeServer& o) { o.password = "n"; },
             "Could not connect to quorvex on HOST: the user name or the password is wrong."},
        // The part before the NUL would sign in to a role whose password it is.
        Case{"PasswordHoldingNul", [](OfficeServer& o) { o.password += QChar(u'\0') + QString("tail"); },
             "Could not connect to quorvex on HOST. A password cannot hold a NUL character (U+0000)."},
        Case{"UnknownUser", [](OfficeServer& o) { o.user = "nobody"; },
             "Could not connect to quorvex on HOST: the user name or the password is wrong."},
        Case{"NoSuchDatabase", [](OfficeServer& o) { o.database = "quorvex2"; },
             "Could not connect to quorvex2 on HOST: the server has no database quorvex2."},
        Case{"EncryptionRequired", [](OfficeServer& o) { o.requireTls = true; },
             "Could not connect to quorvex on HOST: the server offers no encrypted connection."}),
    [](const auto& info) { return std::string(info.param.name); });

// Only the password itself is blotted out of a message: never the same letters inside a longer word, and
// never a password too short to give anything away.
TEST(OfficeMessages, OnlyThePasswordsOwnOccurrencesAreBlottedOut) {
    const struct {
        const char* text;
        const char* password;
        const char* shown;
    } cases[] = {
        {"Could not connect to quorvex on db1.", "n", "Could not connect to quorvex on db1."},
        {"Could not connect to quorvex on db1.", "conn", "Could not connect to quorvex on db1."},
        {"Could not connect to quorvex on db1.", "", "Could not connect to quorvex on db1."},
        {"the server answered \"bad password hunter22 for estimator\"", "hunter22",
         "the server answered \"bad password ******** for estimator\""},
        {"s3cret'pw, s3cret'pwx and xs3cret'pw", "s3cret'pw", "********, s3cret'pwx and xs3cret'pw"},
        {"'#pw#' held #pw#", "#pw#", "'********' held ********"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withoutPassword(c.text, c.password).toStdString(), c.shown) << c.password;
}

// A statement that fails on a connection is reported, and the next command finds the server again once
// it is back.
class OfficeSessionTest : public qxtest::OfficeServerTest {};

TEST_F(OfficeSessionTest, ALostConnectionIsReportedAndTheNextCommandReconnects) try {
    auto db = connectOffice(server().office(), "lost", true);
    db->execScript("CREATE TABLE t (n integer)");
    const qint64 pid = db->scalar("select pg_backend_pid()").toLongLong();
    ASSERT_TRUE(server().admin(QString("select pg_terminate_backend(%1)").arg(pid)))
        << server().failure().toStdString();
    try {
        db->exec("insert into t values (?)", {1});
        // libpq may notice the cut only now; either way the row is written on a fresh connection.
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.description().startsWith("The connection to the office server"))
            << failure.description().toStdString();
        db->exec("insert into t values (?)", {1});
    }
    EXPECT_EQ(db->scalar("select count(*) from t").toLongLong(), 1);
} catch (const Failure& failure) {
    FAIL() << failure.description().toStdString();
}

} // namespace
