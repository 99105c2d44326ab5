#pragma once

#include <QList>
#include <QString>

namespace qxtest {

// What differs from one office run to the next, named by a word in the expected files: the folders of
// the run (PROGRAM, DOCUMENTS, SHARED), the server's port (PORT), this machine's name (THISPC, which
// both PCs of a run share) and the time an estimate was opened ("since HH:MM").
class OutputMask {
public:
    void addText(const QString& text, const QString& word);
    // `text` only where it stands as a word of its own (a port inside a longer number stays).
    void addWord(const QString& text, const QString& word);

    QString apply(QString output) const;

private:
    struct Replacement {
        QString text;
        QString word;
        bool wholeWord;
    };
    QList<Replacement> m_replacements;
};

} // namespace qxtest
