#pragma once

#include "TestFolders.h"
#include "data/WorkState.h"
#include "estimate/NewEstimate.h"

#include <QDir>
#include <QFileInfo>

namespace qxtest {

// A program folder with estimates made as New and Start make them, then given a status, a date and a
// validity length in the register.
class StatusTest : public ProgramFolderTest {
protected:
    qint32 makeEstimate(const QString& lastName, const QString& type, const QString& status = "Working",
                        const QString& date = "2024-03-14", int length = 30) {
        qx::WorkState made;
        qx::NewEstimate estimate(*ctx, made);
        EXPECT_TRUE(estimate.begin());
        qx::OwnerInput input;
        input.names = {"John", lastName, "12 Elm St", "Anytown, MT 54321", "406/555-1234", "", ""};
        input.type = type;
        EXPECT_FALSE(estimate.start(input).has_value()) << prompter.lastText().toStdString();
        setRegister(made.lEstID, "eststatus=?, estdate=?, estlength=?", {status, date, length});
        return made.lEstID;
    }

    // A register row only, with whatever path it is given (no folder or file is made).
    qint32 addRow(const QString& name, const QVariant& storedPath, const QString& type = "Garage",
                  const QString& status = "Working", const QString& date = "2024-03-14", int length = 30) {
        qx::Database& file = ctx->data.file(mast());
        file.exec(QStringLiteral("insert into master(estname,estaddress,esttype,eststatus,estdate,estlength,"
                                 "estpath)values(?,'12 Elm St',?,?,?,?,?)"),
                  {name, type, status, date, length, storedPath});
        return qint32(file.lastInsertId());
    }

    void setRegister(qint32 id, const QString& assignments, QVariantList values) {
        values << id;
        ctx->data.file(mast()).exec(QStringLiteral("update master set %1 where id=?").arg(assignments),
                                    values);
    }

    QStringList master(qint32 id, const QString& columns) {
        return rows(mast(), QStringLiteral("select %1 from master where id=%2").arg(columns).arg(id));
    }

    qx::Conn estimateFile(const QString& name) {
        return ctx->folder.estimateConn(qx::ProgramFolder::storedEstimatePath(name));
    }

    bool folderExists(const QString& name) const {
        return QFileInfo(ctx->folder.estimateFolder(name)).isDir();
    }

    qx::WorkState state;
};

} // namespace qxtest
