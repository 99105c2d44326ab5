#include "OfficeFixture.h"

#include <memory>

namespace qxtest {

namespace {

std::unique_ptr<PostgresServer> g_server;

// Stops the shared server while the test program still runs (its helpers need the program's
// environment).
class StopServer : public ::testing::Environment {
public:
    void TearDown() override { g_server.reset(); }
};

[[maybe_unused]] ::testing::Environment* const g_stop = ::testing::AddGlobalTestEnvironment(new StopServer);

} // namespace

PostgresServer& OfficeServerTest::server() {
    if (!g_server)
        g_server = std::make_unique<PostgresServer>();
    return *g_server;
}

} // namespace qxtest
