#pragma once

#include "PostgresServer.h"

#include <gtest/gtest.h>

namespace qxtest {

// Tests that need an office server share one per test program: it is started by the first of them and
// stopped when the program's tests end.
class OfficeServerTest : public ::testing::Test {
public:
    static PostgresServer& server();

protected:
    void SetUp() override { QX_NEEDS_SERVER(server()); }
};

} // namespace qxtest
