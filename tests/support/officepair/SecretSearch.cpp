#include "SecretSearch.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace qxtest {

namespace {

// A piece shorter than this could be an ordinary word of the output.
constexpr qsizetype kShortestPiece = 6;

} // namespace

SecretSearch::SecretSearch(const QString& secret) {
    m_needles << secret;
    for (const QString& piece : secret.split(QRegularExpression(QStringLiteral("['\"\\\\]+")))) {
        if (piece.size() >= kShortestPiece && piece != secret)
            m_needles << piece;
    }
}

bool SecretSearch::foundIn(const QByteArray& bytes) const {
    for (const QString& needle : m_needles) {
        if (bytes.contains(needle.toUtf8()))
            return true;
    }
    return false;
}

QString SecretSearch::hide(QString text) const {
    for (const QString& needle : m_needles)
        text.replace(needle, QStringLiteral("[password]"));
    return text;
}

QStringList SecretSearch::filesHolding(const QString& folder, const QStringList& allowed) const {
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (allowed.contains(path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || foundIn(file.readAll()))
            found << path;
    }
    found.sort();
    return found;
}

} // namespace qxtest
