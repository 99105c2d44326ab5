#pragma once

#include "QtPrinters.h"
#include "data/AppContext.h"
#include "data/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace qxtest {

// A fresh program folder (laid out as a new install, shipped databases included) and a settings folder
// of its own for one test, with a scripted prompter that records every message.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Shorthands for the connection values of this program folder.
    const qx::Conn& temp() const { return ctx->conns.sTempConn; }
    const qx::Conn& mast() const { return ctx->conns.sMastConn; }
    const qx::Conn& cost() const { return ctx->conns.sCostConn; }
    // Rows of a query as "a | b" texts, NULL as NULL.
    QStringList rows(const qx::Conn& conn, const QString& sql);
    // Creates an estimate folder and its empty keyed file; returns its connection value.
    qx::Conn makeEstimateFile(const QString& name);

    QTemporaryDir programDir;
    QTemporaryDir configDir;
    qx::ScriptedPrompter prompter;
    std::unique_ptr<qx::AppContext> ctx;
};

} // namespace qxtest
