#pragma once

#include <QStringList>

namespace qxtest {

// Looks for a secret in what a run left behind. Besides the whole secret, every long enough piece of it
// between quote marks and backslashes counts, so that a copy written with escapes (a settings file's
// \" or an SQL text's '') is found too.
class SecretSearch {
public:
    explicit SecretSearch(const QString& secret);

    bool foundIn(const QByteArray& bytes) const;
    // The text with the secret and its pieces written as [password], for a report that must not hold it.
    QString hide(QString text) const;
    // Every file under `folder` that holds the secret or cannot be read to tell, but those in `allowed`.
    QStringList filesHolding(const QString& folder, const QStringList& allowed) const;

private:
    QStringList m_needles;
};

} // namespace qxtest
