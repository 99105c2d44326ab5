#include "TestFolders.h"

#include "data/ProgramLayout.h"

#include <QDir>
#include <QFile>

namespace qxtest {

void ProgramFolderTest::SetUp() {
    ASSERT_TRUE(programDir.isValid());
    ASSERT_TRUE(configDir.isValid());
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    // The user's documents folder (where backups go by default) is the test's own too.
    QFile dirs(configDir.filePath("user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DOCUMENTS_DIR=\"" + configDir.filePath("Documents").toLocal8Bit() + "\"\n");
    dirs.close();
    qx::layOutProgramFolder(qx::ProgramFolder(programDir.path()));
    ctx = std::make_unique<qx::AppContext>(programDir.path(), prompter, configDir.path());
}

QStringList ProgramFolderTest::rows(const qx::Conn& conn, const QString& sql) {
    QStringList out;
    const qx::ResultSet result = ctx->data.Read(conn, sql);
    for (const QVariantList& row : result.rows) {
        QStringList cells;
        for (const QVariant& v : row)
            cells << (v.isNull() ? QStringLiteral("NULL") : v.toString());
        out << cells.join(QStringLiteral(" | "));
    }
    return out;
}

qx::Conn ProgramFolderTest::makeEstimateFile(const QString& name) {
    QDir().mkpath(ctx->folder.estimateFolder(name));
    ctx->working.CreateEstFile(name);
    return ctx->folder.estimateConn(qx::ProgramFolder::storedEstimatePath(name));
}

} // namespace qxtest
