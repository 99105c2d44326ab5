#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace qxtest {

// One PC of an office run: its program folder, settings, home and documents, all inside `root`, and the
// environment a program on it runs with, so that nothing it does lands outside that folder.
class PcFolder {
public:
    explicit PcFolder(const QString& root);

    QString root() const { return m_root; }
    QString program() const { return m_root + QStringLiteral("/program"); }
    QString config() const { return m_root + QStringLiteral("/config"); }
    QString documents() const { return m_root + QStringLiteral("/documents"); }
    // Where the program keeps the office password when no keyring runs (the one file allowed to hold it).
    QString passwordFile() const { return config() + QStringLiteral("/Quorvex/office-password"); }

    // The environment of the run: this PC's home and settings, no desktop services (a saved password
    // stays out of the user's keyring), no server address or password inherited from whoever runs it.
    QProcessEnvironment environment(const QProcessEnvironment& base) const;

private:
    QString m_root;
};

} // namespace qxtest
