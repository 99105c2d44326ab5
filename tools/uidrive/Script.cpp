#include "Script.h"

#include <QHash>
#include <QKeySequence>
#include <QRegularExpression>
#include <QStringList>

namespace qx::uidrive {

namespace {

// How a command's arguments are read.
enum class Shape {
    None,       // close, focus
    Rest,       // NAME (or SEQ, PATH) is the rest of the line
    NameText,   // NAME is the first word, TEXT everything after the one blank that follows it
    NameNumber, // NAME N
    WordRest    // a first word (DB, APP) and the rest of the line (QUERY, SECTION)
};

struct CommandInfo {
    Command command;
    Shape shape;
    bool restRequired;
};

const QHash<QString, CommandInfo>& commands() {
    static const QHash<QString, CommandInfo> table = {
        {QStringLiteral("key"), {Command::Key, Shape::Rest, true}},
        {QStringLiteral("click"), {Command::Click, Shape::Rest, true}},
        {QStringLiteral("clickat"), {Command::ClickAt, Shape::NameText, true}},
        {QStringLiteral("type"), {Command::Type, Shape::NameText, false}},
        {QStringLiteral("typeenv"), {Command::TypeEnv, Shape::NameText, true}},
        {QStringLiteral("paste"), {Command::Paste, Shape::NameText, false}},
        {QStringLiteral("select"), {Command::Select, Shape::NameText, true}},
        {QStringLiteral("row"), {Command::Row, Shape::NameNumber, true}},
        {QStringLiteral("dblclick"), {Command::DblClick, Shape::NameNumber, true}},
        {QStringLiteral("close"), {Command::Close, Shape::Rest, false}},
        {QStringLiteral("answer"), {Command::Answer, Shape::Rest, true}},
        {QStringLiteral("file"), {Command::File, Shape::Rest, false}},
        {QStringLiteral("printto"), {Command::PrintTo, Shape::Rest, true}},
        {QStringLiteral("dump"), {Command::Dump, Shape::Rest, true}},
        {QStringLiteral("expect"), {Command::Expect, Shape::NameText, false}},
        {QStringLiteral("enabled"), {Command::Enabled, Shape::Rest, true}},
        {QStringLiteral("visible"), {Command::Visible, Shape::Rest, true}},
        {QStringLiteral("focus"), {Command::Focus, Shape::None, false}},
        {QStringLiteral("sql"), {Command::Sql, Shape::WordRest, true}},
        {QStringLiteral("settings"), {Command::Settings, Shape::WordRest, true}},
        {QStringLiteral("files"), {Command::Files, Shape::Rest, true}},
        {QStringLiteral("waitfor"), {Command::WaitFor, Shape::Rest, true}},
        {QStringLiteral("touch"), {Command::Touch, Shape::Rest, true}},
        {QStringLiteral("echo"), {Command::Echo, Shape::Rest, true}},
        {QStringLiteral("shot"), {Command::Shot, Shape::Rest, true}},
    };
    return table;
}

QString leftTrimmed(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    return text.mid(start);
}

// Splits "WORD REST" at the first blank: the word, and what follows that one blank (kept as written).
std::pair<QString, QString> splitWord(const QString& text) {
    const qsizetype blank = text.indexOf(QRegularExpression(QStringLiteral("\\s")));
    if (blank < 0)
        return {text, {}};
    return {text.left(blank), text.mid(blank + 1)};
}

QString checkAnswer(Step& step) {
    static const QHash<QString, Prompter::Answer> words = {
        {QStringLiteral("yes"), Prompter::Answer::Yes},
        {QStringLiteral("no"), Prompter::Answer::No},
        {QStringLiteral("cancel"), Prompter::Answer::Cancel},
        {QStringLiteral("ok"), Prompter::Answer::Ok}};
    const auto found = words.find(step.name.toLower());
    if (found == words.end())
        return QStringLiteral("the answer must be yes, no, cancel or ok");
    step.answer = *found;
    return {};
}

QString checkKey(const Step& step) {
    const QKeySequence keys = QKeySequence::fromString(step.name, QKeySequence::PortableText);
    if (keys.isEmpty())
        return QStringLiteral("\"%1\" is not a key").arg(step.name);
    for (int i = 0; i < keys.count(); ++i) {
        if (keys[i].key() == Qt::Key_unknown)
            return QStringLiteral("\"%1\" is not a key").arg(step.name);
    }
    return {};
}

// clickat NAME X Y: the point, in pixels of the picture the canvas shows (fractions allowed).
QString checkPoint(Step& step) {
    const QStringList words = step.text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    bool xOk = false, yOk = false;
    if (words.size() == 2)
        step.point = QPointF(words[0].toDouble(&xOk), words[1].toDouble(&yOk));
    if (!xOk || !yOk)
        return QStringLiteral("this command needs a name and a point X Y");
    return {};
}

QString checkDatabase(const Step& step) {
    static const QStringList names = {QStringLiteral("cost"), QStringLiteral("mast"), QStringLiteral("temp"),
                                      QStringLiteral("unit"), QStringLiteral("est")};
    if (!names.contains(step.name))
        return QStringLiteral("the database must be cost, mast, temp, unit or est");
    return {};
}

// typeenv NAME VAR: VAR is the name of an environment variable, nothing more.
QString checkVariable(Step& step) {
    step.text = step.text.trimmed();
    static const QRegularExpression variable(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!variable.match(step.text).hasMatch())
        return QStringLiteral("this command needs a name and the name of an environment variable");
    return {};
}

// Fills the step's arguments; returns why the line cannot be read, or "".
QString readArguments(Step& step, const CommandInfo& info, const QString& rest) {
    const QString trimmed = rest.trimmed();
    if (info.restRequired && trimmed.isEmpty())
        return QStringLiteral("this command needs more after it");
    switch (info.shape) {
    case Shape::None:
        if (!trimmed.isEmpty())
            return QStringLiteral("this command takes nothing after it");
        return {};
    case Shape::Rest:
        step.name = trimmed;
        break;
    case Shape::NameText: {
        auto [name, text] = splitWord(leftTrimmed(rest));
        if (name.isEmpty())
            return QStringLiteral("this command needs a name");
        step.name = name;
        step.text = unescapeText(text);
        break;
    }
    case Shape::NameNumber: {
        const QStringList words = trimmed.split(QRegularExpression(QStringLiteral("\\s+")));
        bool ok = false;
        step.row = words.size() == 2 ? words[1].toInt(&ok) : 0;
        if (!ok || step.row < 0)
            return QStringLiteral("this command needs a name and a row number (0 or more)");
        step.name = words[0];
        break;
    }
    case Shape::WordRest: {
        auto [word, text] = splitWord(trimmed);
        step.name = word;
        step.text = text.trimmed();
        if (step.text.isEmpty())
            return QStringLiteral("this command needs two arguments");
        break;
    }
    }
    switch (step.command) {
    case Command::Answer:
        return checkAnswer(step);
    case Command::Key:
        return checkKey(step);
    case Command::Sql:
        return checkDatabase(step);
    case Command::ClickAt:
        return checkPoint(step);
    case Command::TypeEnv:
        return checkVariable(step);
    default:
        return {};
    }
}

} // namespace

QString unescapeText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (c == QLatin1Char('\\') && (next == QLatin1Char('n') || next == QLatin1Char('t') || next == c)) {
            out += next == QLatin1Char('n')   ? QLatin1Char('\n')
                   : next == QLatin1Char('t') ? QLatin1Char('\t')
                                              : c;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

Script parseScript(const QString& content) {
    Script script;
    const QStringList lines = content.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        Step step;
        step.line = int(i + 1);
        step.source = trimmed;
        auto [word, rest] = splitWord(leftTrimmed(line));
        const auto info = commands().find(word);
        QString error;
        if (info == commands().end()) {
            error = QStringLiteral("unknown command \"%1\"").arg(word);
        } else {
            step.command = info->command;
            error = readArguments(step, *info, rest);
        }
        if (!error.isEmpty()) {
            script.error = QStringLiteral("line %1 (%2): %3").arg(step.line).arg(trimmed, error);
            return script;
        }
        script.steps << step;
    }
    return script;
}

} // namespace qx::uidrive
