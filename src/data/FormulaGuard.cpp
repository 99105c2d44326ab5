#include "data/FormulaGuard.h"

namespace qx {

namespace {

bool startsFormula(QChar c) {
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

} // namespace

QString guardFormula(const QString& text) {
    if (!text.isEmpty() && (startsFormula(text.front()) || text.front() == u'\''))
        return u'\'' + text;
    return text;
}

QString unguardFormula(const QString& text) {
    if (text.size() >= 2 && text.front() == u'\'' && (startsFormula(text[1]) || text[1] == u'\''))
        return text.mid(1);
    return text;
}

} // namespace qx
