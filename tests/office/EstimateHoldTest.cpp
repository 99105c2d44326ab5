#include "OfficeFixture.h"

#include "data/Conn.h"
#include "office/EstimateHold.h"
#include "office/OfficeEngine.h"

#include <ctime>

using namespace qx;

namespace {

// How PC A lets go of the estimate it holds.
struct LetGo {
    const char* name;
    qint32 id;
    bool killed; // the server ends A's connection (as when A crashes or loses the network)
};

// This PC's clock in a zone half an hour off the server's whole hours, for the test's life.
class PcTimeZone {
public:
    explicit PcTimeZone(const char* zone)
        : m_old(qgetenv("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~PcTimeZone() {
        if (m_old.isEmpty())
            qunsetenv("TZ");
        else
            qputenv("TZ", m_old);
        tzset();
    }

private:
    QByteArray m_old;
};

// The hour and minute of `moment` on this PC's clock.
QString clock(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return QString("%1:%2").arg(local.tm_hour).arg(local.tm_min, 2, 10, QChar('0'));
}

class EstimateHoldTest : public qxtest::OfficeServerTest, public ::testing::WithParamInterface<LetGo> {
protected:
    void SetUp() override {
        OfficeServerTest::SetUp();
        if (!IsSkipped())
            board = connectOffice(server().office(), kRegisterSchema, true);
    }

    HoldAttempt take(const QString& pc) {
        return EstimateHold::take(server().office(), id(), "JonesReroof", pc);
    }
    std::optional<QString> holder() { return EstimateHold::holder(*board, id(), "JonesReroof"); }
    qint32 id() const { return GetParam().id; }

    // The status board's connection to the register.
    std::unique_ptr<Database> board;
};

TEST_P(EstimateHoldTest, AnotherPcIsToldWhoHoldsTheEstimateUntilTheHolderLetsGo) try {
    const PcTimeZone india("IST-5:30");
    const std::time_t before = std::time(nullptr);
    HoldAttempt a = take("PC-A");
    const std::time_t after = std::time(nullptr);
    ASSERT_TRUE(a.hold) << a.refusal.toStdString();
    EXPECT_TRUE(a.hold->stillHeld());

    // Told in this PC's time, to the minute the holder took it.
    const QStringList told{"JonesReroof is open on PC-A since " + clock(before) + ".",
                           "JonesReroof is open on PC-A since " + clock(after) + "."};
    const HoldAttempt b = take("PC-B");
    EXPECT_FALSE(b.hold);
    EXPECT_TRUE(told.contains(b.refusal)) << b.refusal.toStdString();
    ASSERT_TRUE(holder());
    EXPECT_TRUE(told.contains(*holder())) << holder()->toStdString();

    if (GetParam().killed) {
        ASSERT_TRUE(server().admin(QString("select pg_terminate_backend(pid, 10000) from pg_locks where "
                                           "locktype='advisory' and objsubid=2 and objid=%1")
                                       .arg(id())))
            << server().failure().toStdString();
        EXPECT_FALSE(a.hold->stillHeld());
    } else {
        a.hold.reset();
    }
    // PC A's row is left behind, but without its lock nobody holds the estimate.
    EXPECT_FALSE(holder());
    HoldAttempt b2 = take("PC-B");
    ASSERT_TRUE(b2.hold) << b2.refusal.toStdString();
    ASSERT_TRUE(holder());
    EXPECT_TRUE(holder()->startsWith("JonesReroof is open on PC-B since ")) << holder()->toStdString();

    if (GetParam().killed) {
        // A, back on the network, finds B holding it; once B lets go, A holds it again.
        EXPECT_EQ(a.hold->retake().value_or("held").left(28), "JonesReroof is open on PC-B ");
        b2.hold.reset();
        EXPECT_EQ(a.hold->retake(), std::nullopt);
        EXPECT_TRUE(a.hold->stillHeld());
        EXPECT_TRUE(take("PC-B").refusal.startsWith("JonesReroof is open on PC-A since "));
    }
} catch (const Failure& failure) {
    FAIL() << failure.description().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Holders, EstimateHoldTest,
                         ::testing::Values(LetGo{"Released", 101, false},
                                           LetGo{"ConnectionKilled", 102, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
