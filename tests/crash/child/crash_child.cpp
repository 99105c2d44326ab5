// The program that the crash tests kill: it runs on a program folder as the program does (the lock,
// the start-up clean-up) and then saves one estimate over and over, or starts new estimates one after
// another, through the program's own code, until it is killed or has done COUNT of them (0: no end).
//
//   crash_child save  FOLDER CONFIG ID FIRST COUNT   saves estimate ID, changing it before each save
//   crash_child start FOLDER CONFIG FIRST COUNT      starts the estimates estimateName(FIRST), ...
//
// It reports on standard output, a line each, written at once: "ready"; "saving FINGERPRINT" before a
// save and "saved FINGERPRINT MS" once it is stored; "starting NAME" and "started NAME MS"; "failed
// TEXT" (exit 2) when the program reported anything.
#include "CrashWork.h"

#include "data/ProgramLock.h"
#include "estimate/NewEstimate.h"
#include "estimate/SaveEstimate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <unistd.h>

namespace {

void say(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    // Unbuffered: whatever was said before the kill has reached the pipe.
    if (::write(STDOUT_FILENO, bytes.constData(), size_t(bytes.size())) != bytes.size())
        _exit(3);
}

int failed(qxcrash::Session& session, const QString& what) {
    say(QStringLiteral("failed ") + what + QLatin1Char(' ') + session.prompter.log().join(QLatin1Char(' ')));
    return 2;
}

// An edit before each save: every line's quantity changes and a line is added, so that each save
// differs from the one before and writes every line.
bool changeEstimate(qxcrash::Session& session, int number) {
    session.ctx.data.file(session.ctx.conns.sTempConn)
        .exec(QStringLiteral("update tplineitems set qty=(qty % 40)+1, linetotal=cost*((qty % 40)+1)"));
    const auto section = session.sections.AddSection(QStringLiteral("Section 0"));
    if (!section)
        return false;
    const qx::Money price = qx::Money::fromCents(1234 + number);
    session.lines.pending() = {1,
                               section->order,
                               section->name,
                               QStringLiteral("Material"),
                               3,
                               "bdl",
                               QStringLiteral("Added before save %1").arg(number),
                               price,
                               qx::lineTotalOf(3, price),
                               true};
    return session.lines.AddLineItem(qx::LineItems::Change::Add);
}

int saveOverAndOver(qxcrash::Session& session, qint32 id, int first, int count) {
    if (!session.open(id))
        return failed(session, QStringLiteral("open"));
    say(QStringLiteral("ready"));
    for (int n = first; count == 0 || n < first + count; ++n) {
        if (!changeEstimate(session, n))
            return failed(session, QStringLiteral("change"));
        const QString summary = QStringLiteral("Save %1").arg(n);
        const QString fingerprint = session.fingerprint(qx::EstimateTotals::storedSummary(summary));
        say(QStringLiteral("saving ") + fingerprint);
        QElapsedTimer timer;
        timer.start();
        // The completion question takes its default, No: the estimate stays "Working".
        if (qx::SaveEstimate(session.ctx, session.state, session.lines).SaveEst(summary, QString()) !=
            qx::SaveOutcome::Saved)
            return failed(session, QStringLiteral("save"));
        say(QStringLiteral("saved %1 %2").arg(fingerprint).arg(timer.elapsed()));
    }
    return 0;
}

int startOneAfterAnother(qxcrash::Session& session, int first, int count) {
    say(QStringLiteral("ready"));
    for (int n = first; count == 0 || n < first + count; ++n) {
        const QString name = qxcrash::estimateName(n);
        say(QStringLiteral("starting ") + name);
        QElapsedTimer timer;
        timer.start();
        session.state = qx::WorkState();
        qx::NewEstimate create(session.ctx, session.state);
        if (!create.begin() || create.start(qxcrash::crashOwner(name)))
            return failed(session, QStringLiteral("start ") + name);
        say(QStringLiteral("started %1 %2").arg(name).arg(timer.elapsed()));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool save = args.value(1) == QLatin1String("save");
    if (args.size() != (save ? 7 : 6)) {
        say(QStringLiteral("failed usage"));
        return 2;
    }
    const QString folder = args.at(2);
    qx::ProgramLock lock{qx::ProgramFolder(folder)};
    if (lock.take() != qx::ProgramLock::Outcome::Held) {
        say(QStringLiteral("failed lock"));
        return 2;
    }
    qxcrash::Session session(folder, args.at(3));
    qx::removeUnfinishedStarts(session.ctx);
    if (save)
        return saveOverAndOver(session, args.at(4).toInt(), args.at(5).toInt(), args.at(6).toInt());
    return startOneAfterAnother(session, args.at(4).toInt(), args.at(5).toInt());
}
