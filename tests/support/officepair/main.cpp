// qxofficepair: two PCs of one office, each a uidrive script on a program folder of its own, run at the
// same time against one PostgreSQL server started for the run.
//
//   qxofficepair UIDRIVE PAIR_FOLDER WORK_FOLDER
//
// PAIR_FOLDER holds pc_a.qxs and pc_b.qxs and, beside each, the .expected file its output must equal.
// Each script finds the server in QX_OFFICE_HOST, QX_OFFICE_PORT, QX_OFFICE_DATABASE, QX_OFFICE_USER and
// QX_OFFICE_PASSWORD, and both reach the folder ../../shared (from their program folders), where they
// take turns through `touch` and `waitfor`. The run fails when the password shows in an output or in any
// file the run leaves, but the one the program keeps it in (only its owner may read that one). Exit 0
// when both scripts ran as expected, 1 when not, 77 when no server could be started (the test skips).

#include "OutputMask.h"
#include "PcFolder.h"
#include "PostgresServer.h"
#include "SecretSearch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSysInfo>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kSkipped = 77;
constexpr int kLimitMilliseconds = 240000;
const QStringList kPcs = {QStringLiteral("pc_a"), QStringLiteral("pc_b")};

// Prints a line of the report, which never holds the password, even where a script's output did.
void say(const QString& text) {
    static const qxtest::SecretSearch secret(qxtest::PostgresServer::password());
    std::fputs(secret.hide(text).toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Pc {
    Pc(const QString& pcName, const QString& root)
        : name(pcName)
        , folder(root) {}

    QString name;
    qxtest::PcFolder folder;
    QProcess process;
};

void start(Pc& pc, const QString& uidrive, const QString& script, const QProcessEnvironment& environment) {
    pc.process.setProcessEnvironment(environment);
    pc.process.setStandardOutputFile(pc.folder.root() + QStringLiteral("/output.txt"));
    pc.process.setStandardErrorFile(pc.folder.root() + QStringLiteral("/errors.txt"));
    pc.process.start(uidrive, {QStringLiteral("--program-folder"), pc.folder.program(), script});
}

bool failed(const Pc& pc) {
    return pc.process.state() == QProcess::NotRunning &&
           (pc.process.exitStatus() != QProcess::NormalExit || pc.process.exitCode() != 0);
}

// Waits for both scripts to end. One that fails stops the other at once: it would only wait for a turn
// that never comes.
void waitForBoth(const std::vector<std::unique_ptr<Pc>>& pcs) {
    const QDeadlineTimer deadline(kLimitMilliseconds);
    auto running = [&] {
        return std::any_of(pcs.begin(), pcs.end(),
                           [](const auto& pc) { return pc->process.state() != QProcess::NotRunning; });
    };
    while (running() && !deadline.hasExpired()) {
        for (const auto& pc : pcs)
            pc->process.waitForFinished(50);
        if (std::any_of(pcs.begin(), pcs.end(), [](const auto& pc) { return failed(*pc); }))
            break;
    }
    for (const auto& pc : pcs) {
        if (pc->process.state() == QProcess::NotRunning)
            continue;
        say(QStringLiteral("%1: stopped (%2)")
                .arg(pc->name, deadline.hasExpired() ? QStringLiteral("the run took too long")
                                                     : QStringLiteral("the other PC's script failed")));
        pc->process.kill();
        pc->process.waitForFinished();
    }
}

// Whether the PC's script ran to its end; when not, says why.
bool ended(const Pc& pc) {
    if (!failed(pc))
        return true;
    say(QStringLiteral("%1: uidrive failed (%2):\n%3")
            .arg(pc.name)
            .arg(pc.process.exitCode())
            .arg(QString::fromUtf8(readFile(pc.folder.root() + QStringLiteral("/errors.txt")))));
    return false;
}

// The PC's output as masked against its expected file; false, with the difference shown, when they differ.
bool compare(const Pc& pc, const QString& output, const QString& expectedPath) {
    if (!QFileInfo::exists(expectedPath))
        return true;
    if (output == QString::fromUtf8(readFile(expectedPath)))
        return true;
    const QString actualPath = pc.folder.root() + QStringLiteral("/actual.txt");
    QFile actual(actualPath);
    if (actual.open(QIODevice::WriteOnly))
        actual.write(output.toUtf8());
    actual.close();
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), expectedPath, actualPath});
    diff.waitForFinished();
    say(QStringLiteral("%1: output differs from %2:\n%3")
            .arg(pc.name, QFileInfo(expectedPath).fileName(),
                 QString::fromUtf8(diff.readAllStandardOutput())));
    return false;
}

// The password in anything the run leaves outside the server's folder; only the program's own password
// file may hold it, and only its owner may read that.
bool passwordKept(const QString& work, const std::vector<std::unique_ptr<Pc>>& pcs) {
    const qxtest::SecretSearch search(qxtest::PostgresServer::password());
    QStringList allowed;
    bool kept = true;
    for (const auto& pc : pcs) {
        const QString vault = pc->folder.passwordFile();
        allowed << vault;
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                            QFileDevice::WriteOther;
        if (QFileInfo::exists(vault) && (QFile::permissions(vault) & others)) {
            say(QStringLiteral("%1: others may read %2").arg(pc->name, vault));
            kept = false;
        }
    }
    for (const QString& path : search.filesHolding(work, allowed)) {
        say(QStringLiteral("the password is in %1").arg(path));
        kept = false;
    }
    return kept;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: qxofficepair UIDRIVE PAIR_FOLDER WORK_FOLDER\n", stderr);
        return 2;
    }
    const QString uidrive = args[1];
    const QDir pair(args[2]);
    qxtest::PostgresServer server;
    if (!server.running()) {
        say(QStringLiteral("No PostgreSQL server for this test: %1").arg(server.failure()));
        return kSkipped;
    }
    const QString work = QDir(args[3]).absoluteFilePath(
        QStringLiteral("office_pair_%1_%2")
            .arg(pair.dirName())
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    QDir(work).removeRecursively();
    const QString shared = work + QStringLiteral("/shared");
    QDir().mkpath(shared);

    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    std::vector<std::unique_ptr<Pc>> pcs;
    for (const QString& name : kPcs) {
        pcs.push_back(std::make_unique<Pc>(name, work + QLatin1Char('/') + name));
        QProcessEnvironment environment = pcs.back()->folder.environment(base);
        const qx::OfficeServer office = server.office();
        environment.insert(QStringLiteral("QX_OFFICE_HOST"), office.host);
        environment.insert(QStringLiteral("QX_OFFICE_PORT"), QString::number(office.port));
        environment.insert(QStringLiteral("QX_OFFICE_DATABASE"), office.database);
        environment.insert(QStringLiteral("QX_OFFICE_USER"), office.user);
        environment.insert(QStringLiteral("QX_OFFICE_PASSWORD"), office.password);
        start(*pcs.back(), uidrive, pair.filePath(name + QStringLiteral(".qxs")), environment);
    }

    waitForBoth(pcs);
    bool passed = true;
    for (const auto& pc : pcs) {
        passed = ended(*pc) && passed;
        qxtest::OutputMask mask;
        mask.addText(pc->folder.program(), QStringLiteral("PROGRAM"));
        mask.addText(pc->folder.documents(), QStringLiteral("DOCUMENTS"));
        mask.addText(shared, QStringLiteral("SHARED"));
        mask.addWord(QString::number(server.port()), QStringLiteral("PORT"));
        mask.addWord(QSysInfo::machineHostName(), QStringLiteral("THISPC"));
        const QString output =
            mask.apply(QString::fromUtf8(readFile(pc->folder.root() + QStringLiteral("/output.txt"))));
        say(QStringLiteral("== %1\n%2").arg(pc->name, output));
        passed = compare(*pc, output, pair.filePath(pc->name + QStringLiteral(".expected"))) && passed;
    }
    passed = passwordKept(work, pcs) && passed;
    if (passed)
        QDir(work).removeRecursively();
    else
        say(QStringLiteral("The run's folders are kept in %1").arg(work));
    return passed ? 0 : 1;
}
