#include "office/ServerStatement.h"

namespace qx {

namespace {

// Copies from `from` up to and including the character `end` (or to the end of the text); a doubled
// `end` inside stands for itself and does not close. Returns the index after the copied part.
qsizetype copyQuoted(const QString& sql, qsizetype from, QChar end, QString& out) {
    qsizetype i = from + 1;
    out += sql.at(from);
    while (i < sql.size()) {
        out += sql.at(i);
        if (sql.at(i) == end) {
            if (i + 1 < sql.size() && sql.at(i + 1) == end) {
                out += end;
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

qsizetype copyUntil(const QString& sql, qsizetype from, const QString& end, QString& out) {
    const qsizetype found = sql.indexOf(end, from);
    const qsizetype stop = found < 0 ? sql.size() : found + end.size();
    out += QStringView(sql).mid(from, stop - from);
    return stop;
}

} // namespace

QString serverStatement(const QString& sql, int& placeholders) {
    QString out;
    out.reserve(sql.size() + 8);
    placeholders = 0;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        const QChar next = i + 1 < sql.size() ? sql.at(i + 1) : QChar();
        if (c == u'\'' || c == u'"') {
            i = copyQuoted(sql, i, c, out);
        } else if (c == u'-' && next == u'-') {
            i = copyUntil(sql, i, QStringLiteral("\n"), out);
        } else if (c == u'/' && next == u'*') {
            i = copyUntil(sql, i, QStringLiteral("*/"), out);
        } else if (c == u'[') {
            const qsizetype close = sql.indexOf(u']', i + 1);
            const qsizetype stop = close < 0 ? sql.size() : close;
            out += u'"' + sql.mid(i + 1, stop - i - 1).replace(u'"', QStringLiteral("\"\"")) + u'"';
            i = stop + 1;
        } else if (c == u'?') {
            out += u'$' + QString::number(++placeholders);
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace qx
