#pragma once

#include "TestFolders.h"
#include "data/WorkState.h"
#include "takeoff/RoofPanel.h"

#include <memory>

namespace qxtest {

// A fresh program folder with an empty working database and the roof panel's model on it. No
// estimate file until openEstimate(), as in the roof-only takeoff.
class TakeoffTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ctx->working.CreateTempDB();
        panel = std::make_unique<qx::RoofPanel>(*ctx, state);
    }

    // Starts an estimate file "Test" and makes it the open estimate's file.
    void openEstimate() {
        state.sOpenMode = qx::WorkState::kOpen;
        state.sEstConn = makeEstimateFile(QStringLiteral("Test"));
    }
    const qx::Conn& est() const { return state.sEstConn; }

    void exec(const qx::Conn& conn, const QString& sql) { ctx->data.file(conn).exec(sql); }
    qint64 count(const qx::Conn& conn, const QString& table) {
        return ctx->data.ReadScalar(conn, QStringLiteral("select count(*) from ") + table).toLongLong();
    }

    static qx::AreaMeasures rect(int width, int height) {
        return {qx::kShapeRect, width, 0, height, width * height};
    }
    static qx::LinealItem item(int type, const QString& name, int length, int total) {
        return {type, name, length, total};
    }

    qx::WorkState state;
    std::unique_ptr<qx::RoofPanel> panel;
};

} // namespace qxtest
