#include "office/ServerStatement.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* sql;
    const char* server;
    int placeholders;
};

class ServerStatementTest : public ::testing::TestWithParam<Case> {};

TEST_P(ServerStatementTest, PlaceholdersAndBracketedNamesTakeTheServersForm) {
    int placeholders = -1;
    EXPECT_EQ(qx::serverStatement(QString::fromUtf8(GetParam().sql), placeholders).toStdString(),
              GetParam().server);
    EXPECT_EQ(placeholders, GetParam().placeholders);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, ServerStatementTest,
    ::testing::Values(Case{"select * from costitem where ID=? and Cat=?",
                           "select * from costitem where ID=$1 and Cat=$2", 2},
                      Case{"select [Line Total] from UnitQry", "select \"Line Total\" from UnitQry", 0},
                      // Quoted texts, quoted names and comments keep their question marks and brackets.
                      Case{"select 'why?', 'it''s [x]?' from t where a=?",
                           "select 'why?', 'it''s [x]?' from t where a=$1", 1},
                      Case{"select \"odd?name\" from t -- ok?\nwhere b=? /* c=? */",
                           "select \"odd?name\" from t -- ok?\nwhere b=$1 /* c=? */", 1},
                      Case{"insert into t values (?,?,?,?,?,?,?,?,?,?)",
                           "insert into t values ($1,$2,$3,$4,$5,$6,$7,$8,$9,$10)", 10},
                      // An unclosed quote is the server's to refuse, not a reason to lose text.
                      Case{"select 'open? from t", "select 'open? from t", 0}));

} // namespace
