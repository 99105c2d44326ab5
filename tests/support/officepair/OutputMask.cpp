#include "OutputMask.h"

#include <QRegularExpression>

namespace qxtest {

void OutputMask::addText(const QString& text, const QString& word) {
    if (!text.isEmpty())
        m_replacements.append({text, word, false});
}

void OutputMask::addWord(const QString& text, const QString& word) {
    if (!text.isEmpty())
        m_replacements.append({text, word, true});
}

QString OutputMask::apply(QString output) const {
    for (const Replacement& replacement : m_replacements) {
        if (replacement.wholeWord)
            output.replace(QRegularExpression(QStringLiteral("(?<![\\w.-])%1(?![\\w-])")
                                                  .arg(QRegularExpression::escape(replacement.text))),
                           replacement.word);
        else
            output.replace(replacement.text, replacement.word);
    }
    // The hour and minute in "is open on THISPC since 10:14." (with AM or PM in some locales).
    static const QRegularExpression since(
        QStringLiteral("\\bsince \\d{1,2}:\\d{2}(?: ?[AaPp]\\.?[Mm]\\.?)?"));
    return output.replace(since, QStringLiteral("since HH:MM"));
}

} // namespace qxtest
