#include "FaultFixture.h"

#include "app/StartUp.h"
#include "setup/Greeting.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

namespace qxtest {

void FaultTest::SetUp() {
    ProgramFolderTest::SetUp();
    qx::StartUp::ensureSettings(ctx->settings, ctx->folder.root());
    qx::Greeting::okay(ctx->settings, false);
}

FaultTest::Run FaultTest::drive(const QStringList& script, const QStringList& prefix) {
    // The program opens every file afresh, as at a new start.
    ctx->pool.closeAll();
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    file.write((script.join('\n') + '\n').toUtf8());
    file.close();
    file.setPermissions(file.permissions() | QFile::ReadOther);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configDir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LC_ALL", "en_US.UTF-8");
    program.setProcessEnvironment(env);
    const QStringList args{"--program-folder", programDir.path(), file.fileName()};
    if (prefix.isEmpty())
        program.start(QX_UIDRIVE, args);
    else
        program.start(prefix.first(), prefix.mid(1) + QStringList{QX_UIDRIVE} + args);
    EXPECT_TRUE(program.waitForFinished(60000));
    Run run;
    run.exitCode = program.exitCode();
    run.output = QString::fromUtf8(program.readAllStandardOutput()).replace(programDir.path(), "PROGRAM");
    return run;
}

std::map<QString, QByteArray> FaultTest::files() const {
    const qx::ProgramFolder& folder = ctx->folder;
    std::map<QString, QByteArray> all;
    QDirIterator it(folder.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path == folder.tempFile() || path == folder.unitFile() || path == folder.lockFile())
            continue;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        all[path] = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
    }
    return all;
}

} // namespace qxtest
