#pragma once

#include "TestFolders.h"
#include "costs/CostEditing.h"

namespace qxtest {

// A fresh program folder with its shipped cost database, and the editor mode the cost screens share.
class CostsTest : public ProgramFolderTest {
protected:
    void exec(const QString& sql, const qx::Params& params = {}) { ctx->data.file(cost()).exec(sql, params); }
    QVariant scalar(const QString& sql, const qx::Params& params = {}) {
        return ctx->data.ReadScalar(cost(), sql, params);
    }
    // A cost item of the given type, category, name and amount (ten-thousandths); returns its key.
    qint32 costItem(const QString& type, const QString& cat, const QString& name, qint64 amount,
                    const QString& unit = QStringLiteral("ea")) {
        exec(QStringLiteral("insert into costitem(costtype,cat,costname,unit,amount) values(?,?,?,?,?)"),
             {type, cat, name, unit, amount});
        return qint32(ctx->data.file(cost()).lastInsertId());
    }
    void emptyCostDatabase() {
        for (const char* table : {"unititems", "costunit", "laborcost", "costitem"})
            exec(QStringLiteral("delete from ") + QLatin1String(table));
    }

    qx::CostEditing editing;
};

} // namespace qxtest
