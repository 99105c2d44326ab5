#include "ScriptLists.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace qx::uidrive {

namespace {

struct ListEntry {
    QString name;
    QString how;
    QString text;
};

// The entries of a list file, or why it cannot be read.
QString readList(const QString& path, QList<ListEntry>& entries) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the list %1").arg(path);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool countOk = true;
        const int count = fields.size() == 4 ? fields[3].toInt(&countOk) : 1;
        const bool howOk =
            fields.size() >= 3 && (fields[1] == QLatin1String("type") || fields[1] == QLatin1String("paste"));
        if (fields.size() > 4 || fields[0].isEmpty() || !howOk || !countOk || count < 1)
            return QStringLiteral("%1 line %2: an entry is NAME, type or paste, TEXT and optionally a count, "
                                  "separated by tabs")
                .arg(path)
                .arg(i + 1);
        entries.append({fields[0], fields[1], fields[2].repeated(count)});
    }
    return {};
}

bool isBlockLine(const QString& line, const QString& word) {
    const QString trimmed = line.trimmed();
    return trimmed == word || trimmed.startsWith(word + QLatin1Char(' '));
}

} // namespace

ExpandedScript expandEachBlocks(const QString& content, const QString& scriptFolder) {
    ExpandedScript out;
    QStringList result;
    const QStringList lines = content.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!isBlockLine(lines[i], QStringLiteral("each"))) {
            result << lines[i];
            continue;
        }
        const QString listName = lines[i].trimmed().mid(4).trimmed();
        QList<ListEntry> entries;
        if (const QString error = readList(QDir(scriptFolder).filePath(listName), entries);
            !error.isEmpty()) {
            out.error = QStringLiteral("line %1 (%2): %3").arg(i + 1).arg(lines[i].trimmed(), error);
            return out;
        }
        QStringList block;
        qsizetype end = i + 1;
        for (; end < lines.size() && !isBlockLine(lines[end], QStringLiteral("end")); ++end) {
            if (isBlockLine(lines[end], QStringLiteral("each"))) {
                out.error = QStringLiteral("line %1: blocks do not nest").arg(end + 1);
                return out;
            }
            block << lines[end];
        }
        if (end == lines.size()) {
            out.error =
                QStringLiteral("line %1 (%2): the block has no end").arg(i + 1).arg(lines[i].trimmed());
            return out;
        }
        for (const ListEntry& entry : entries) {
            for (QString line : block)
                result << line.replace(QStringLiteral("{name}"), entry.name)
                              .replace(QStringLiteral("{how}"), entry.how)
                              .replace(QStringLiteral("{text}"), entry.text);
        }
        i = end;
    }
    out.content = result.join(QLatin1Char('\n'));
    return out;
}

} // namespace qx::uidrive
