#pragma once

#include "data/Prompter.h"

#include <QList>
#include <QPointF>
#include <QString>

namespace qx::uidrive {

enum class Command {
    Key,
    Click,
    ClickAt,
    Type,
    TypeEnv,
    Select,
    Row,
    DblClick,
    Close,
    Answer,
    File,
    PrintTo,
    Dump,
    Expect,
    Enabled,
    Visible,
    Focus,
    Sql,
    Settings,
    Files,
    WaitFor,
    Touch,
    Shot,
    Echo,
    Paste
};

// One line of a script.
struct Step {
    int line = 0;   // 1-based line number in the script
    QString source; // the line as written, for error reports
    Command command = Command::Focus;
    QString name;  // NAME, SEQ, PATH, DB, APP or FILE
    QString text;  // TEXT (escapes resolved), QUERY, SECTION or VAR
    int row = 0;   // N of row and dblclick
    QPointF point; // X Y of clickat
    Prompter::Answer answer = Prompter::Answer::Ok;
};

struct Script {
    QList<Step> steps;
    QString error; // the first line that cannot be read; empty when the whole script reads
};

// Reads a script: a step per line; blank lines and lines whose first non-blank character is '#' are
// skipped (a '#' later in a line is part of it, so names and texts may hold one).
Script parseScript(const QString& content);

// Resolves the escapes \n, \t and \\ of a TEXT; any other backslash stays as written.
QString unescapeText(const QString& text);

} // namespace qx::uidrive
