#include "Commands.h"

#include "CanvasClick.h"
#include "Choices.h"
#include "Output.h"
#include "Screenshot.h"
#include "UserInput.h"
#include "WidgetDumper.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"
#include "data/ScriptedPrompter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QThread>

namespace qx::uidrive {

namespace {

using Purpose = WidgetFinder::Purpose;

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString sqlValue(const QVariant& value) {
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    return oneLine(value.toString());
}

// The control a user would say has the focus: an editable combo box or spin box rather than the
// box inside it.
QString focusName(QWidget* focus) {
    if (!focus)
        return QStringLiteral("(none)");
    QWidget* outer = focus->parentWidget();
    if (outer && (qobject_cast<QComboBox*>(outer) || qobject_cast<QAbstractSpinBox*>(outer)))
        focus = outer;
    if (focus->objectName().isEmpty())
        return QStringLiteral("(unnamed %1)").arg(QLatin1String(focus->metaObject()->className()));
    return focus->objectName();
}

} // namespace

Commands::Commands(UiProgram& program, ScriptedPrompter& prompter)
    : m_program(program)
    , m_prompter(prompter) {}

WidgetFinder::Result Commands::find(const QString& name, Purpose purpose) const {
    return WidgetFinder(m_program.mainWindow()).find(name, purpose);
}

void Commands::noteEstimate() {
    if (const frmQuovi* window = m_program.mainWindow(); window && window->state().hasEstimateFile())
        m_lastEstimate = window->state().sEstConn;
}

QString Commands::run(const Step& step) {
    switch (step.command) {
    case Command::Answer:
    case Command::File:
    case Command::PrintTo:
        return queue(step);
    case Command::Dump:
    case Command::Expect:
    case Command::Enabled:
    case Command::Visible:
        return read(step);
    case Command::Focus:
        return printFocus();
    case Command::Sql:
        return sql(step);
    case Command::Settings:
        return settings(step);
    case Command::Files:
        return files(step);
    case Command::WaitFor:
        return waitFor(step.name);
    case Command::Touch:
        return touch(step.name);
    case Command::Shot:
        return Screenshot::save(step.name);
    case Command::Close:
        return closeWindow(step.name);
    case Command::Echo:
        printLine(step.name);
        return {};
    default:
        return act(step);
    }
}

QString Commands::queue(const Step& step) {
    if (step.command == Command::Answer)
        m_prompter.queueAnswer(step.answer);
    else if (step.command == Command::File)
        return queueFile(step.name);
    else
        m_prompter.queuePrintFile(step.name);
    return {};
}

// A file dialog's answer. A name with "*" or "?" in its last part is a pattern, as in a shell: the one
// file of that folder it matches is chosen (a file whose name holds the date it was made, for one). No
// match, or more than one, fails the step.
QString Commands::queueFile(const QString& path) {
    const QFileInfo given(path);
    if (!given.fileName().contains(u'*') && !given.fileName().contains(u'?')) {
        m_prompter.queueFile(path);
        return {};
    }
    const QStringList matches = given.dir().entryList({given.fileName()}, QDir::Files, QDir::Name);
    if (matches.size() != 1)
        return QStringLiteral("%1 files match %2").arg(matches.size()).arg(path);
    m_prompter.queueFile(given.dir().filePath(matches.first()));
    return {};
}

QString Commands::act(const Step& step) {
    if (step.command == Command::Key)
        return UserInput::pressKeys(QKeySequence::fromString(step.name, QKeySequence::PortableText),
                                    m_program.mainWindow());
    const WidgetFinder::Result found = find(step.name, Purpose::Act);
    if (!found.error.isEmpty())
        return found.error;
    switch (step.command) {
    case Command::Click:
        return UserInput::click(found.target, step.name);
    case Command::ClickAt:
        return clickAt(found.target, step.name, step.point);
    case Command::Type:
        return UserInput::type(found.target, step.name, step.text);
    case Command::TypeEnv:
        return typeFromEnvironment(found.target, step);
    case Command::Paste:
        return UserInput::paste(found.target, step.name, step.text);
    case Command::Select:
        return Choices::select(found.target, step.name, step.text);
    case Command::Row:
        return Choices::makeRowCurrent(found.target, step.name, step.row);
    case Command::DblClick:
        return Choices::doubleClickRow(found.target, step.name, step.row);
    default:
        return QStringLiteral("not a user action");
    }
}

// Types the value of an environment variable, a password say, which the script itself never holds; no
// output and no error names the value.
QString Commands::typeFromEnvironment(const Target& target, const Step& step) {
    if (!qEnvironmentVariableIsSet(step.text.toLocal8Bit().constData()))
        return QStringLiteral("the environment variable %1 is not set").arg(step.text);
    return UserInput::type(target, step.name, qEnvironmentVariable(step.text.toLocal8Bit().constData()));
}

QString Commands::read(const Step& step) {
    const WidgetFinder::Result found = find(step.name, Purpose::Read);
    if (!found.error.isEmpty())
        return found.error;
    const Target& target = found.target;
    switch (step.command) {
    case Command::Enabled:
        printLine(QStringLiteral("%1 enabled: %2").arg(step.name, flag(isEnabled(target))));
        break;
    case Command::Visible:
        printLine(QStringLiteral("%1 visible: %2").arg(step.name, flag(isOnView(target))));
        break;
    case Command::Expect:
        return expect(step, target);
    default: {
        const std::optional<QStringList> lines = WidgetDumper::dumpLines(step.name, target);
        if (!lines)
            return QStringLiteral("%1 shows nothing that can be read").arg(step.name);
        for (const QString& line : *lines)
            printLine(line);
    }
    }
    return {};
}

QString Commands::expect(const Step& step, const Target& target) {
    const std::optional<QString> value = WidgetDumper::expectedValue(target);
    if (!value)
        return QStringLiteral("%1 shows nothing that can be read").arg(step.name);
    if (*value != step.text)
        return QStringLiteral("expected \"%1\" got \"%2\"").arg(oneLine(step.text), oneLine(*value));
    return {};
}

QString Commands::closeWindow(const QString& dialogName) {
    // "close NAME": the dialog NAME, if it is the one a user is dealing with; else nothing is closed
    // (a dialog that has already closed itself, say after its Okay).
    if (!dialogName.isEmpty()) {
        if (QWidget* dialog = waitingWindow(); dialog && dialog->objectName() == dialogName)
            dialog->close();
        return {};
    }
    // The window frame's close button: the dialog a user is dealing with, else the main window.
    QWidget* window = waitingWindow();
    if (!window)
        window = m_program.mainWindow();
    if (!window || !window->isVisible())
        return QStringLiteral("no window is open");
    window->close();
    return {};
}

QString Commands::printFocus() {
    printLine(QStringLiteral("focus: %1").arg(focusName(QApplication::focusWidget())));
    return {};
}

Conn Commands::estimateConn() const {
    if (const frmQuovi* window = m_program.mainWindow(); window && window->state().hasEstimateFile())
        return window->state().sEstConn;
    return m_lastEstimate;
}

QString Commands::sql(const Step& step) {
    const Connections& conns = m_program.context().conns;
    const QHash<QString, Conn> files = {{QStringLiteral("cost"), conns.sCostConn},
                                        {QStringLiteral("mast"), conns.sMastConn},
                                        {QStringLiteral("temp"), conns.sTempConn},
                                        {QStringLiteral("unit"), conns.sUnitConn},
                                        {QStringLiteral("est"), estimateConn()}};
    const Conn conn = files.value(step.name);
    if (conn.path.isEmpty())
        return QStringLiteral("no estimate file was opened or created in this run");
    try {
        const ResultSet result = m_program.context().data.file(conn).query(step.text);
        for (const QVariantList& row : result.rows) {
            QStringList cells;
            for (const QVariant& value : row)
                cells << sqlValue(value);
            printLine(cells.join(QStringLiteral(" | ")));
        }
    } catch (const Failure& failure) {
        return QStringLiteral("the statement failed: Error %1 (%2)")
            .arg(failure.number())
            .arg(failure.description());
    }
    return {};
}

QString Commands::settings(const Step& step) {
    for (const auto& [key, value] : m_program.context().settings.list(step.name, step.text))
        printLine(QStringLiteral("%1=%2").arg(key, oneLine(value)));
    return {};
}

// What a folder of the program folder holds, so a script can show what a command made or removed.
QString Commands::files(const Step& step) {
    const QDir root(m_program.context().folder.root());
    const QString path = QDir::cleanPath(root.absoluteFilePath(step.name));
    if (path != root.path() && !path.startsWith(root.path() + QLatin1Char('/')))
        return QStringLiteral("%1 is not inside the program folder").arg(step.name);
    const QDir dir(path);
    if (!dir.exists()) {
        printLine(QStringLiteral("%1: no such folder").arg(step.name));
        return {};
    }
    QStringList entries;
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        entries << (entry.isDir() ? entry.fileName() + QLatin1Char('/') : entry.fileName());
    printLine(QStringLiteral("%1: %2").arg(step.name, entries.join(QStringLiteral(" | "))));
    return {};
}

QString Commands::waitFor(const QString& path) {
    // Two scripts (two PCs) take turns through a file one of them makes; while this one waits, its
    // program goes on answering as a program left alone does.
    constexpr int kLimitSeconds = 60;
    const QString file = QDir(m_program.context().folder.root()).absoluteFilePath(path);
    const QDeadlineTimer deadline(kLimitSeconds * 1000);
    while (!QFileInfo::exists(file)) {
        if (deadline.hasExpired())
            return QStringLiteral("%1 did not appear within %2 seconds").arg(path).arg(kLimitSeconds);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    printLine(QStringLiteral("%1: there").arg(path));
    return {};
}

// The other side of waitfor: makes the empty file PATH (its folder must exist) to say this script has
// come so far.
QString Commands::touch(const QString& path) {
    QFile file(QDir(m_program.context().folder.root()).absoluteFilePath(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("cannot make %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace qx::uidrive
