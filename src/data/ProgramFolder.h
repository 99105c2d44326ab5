#pragma once

#include "data/Conn.h"

#include <QString>

namespace qx {

// Passwords of the program's database files.
inline const QString kCostPassword = QStringLiteral("m7u2KD");
inline const QString kMastPassword = QStringLiteral("7pk362");
inline const QString kScratchPassword = QStringLiteral("ka#QR");
inline const QString kEstimatePassword = QStringLiteral("4rVoxe8");
inline const QString kContactsPassword = QStringLiteral("qw731kP");

// The connection values built once at start-up from the program folder.
struct Connections {
    Conn sCostConn;
    Conn sMastConn;
    Conn sUnitConn;
    Conn sTempConn;
};

// Every data location derives from the program folder (the executable's folder), so moving the
// whole folder keeps the program working.
class ProgramFolder {
public:
    explicit ProgramFolder(QString root);

    const QString& root() const { return m_root; }
    QString dataDir() const;
    QString estimatesDir() const;
    QString templatesDir() const;
    QString helpFile() const;

    QString costFile() const;
    QString mastFile() const;
    QString tempFile() const; // the working database
    QString unitFile() const; // the unit-item scratch database
    QString lockFile() const; // held by the running program (see ProgramLock)

    // The cost database, the register and the estimates are kept on the office server instead of in
    // this folder (the working and unit scratch databases stay here).
    void setOffice(bool office) { m_office = office; }
    bool office() const { return m_office; }

    Connections connections() const;

    // An estimate's folder and file from its name (blanks already removed).
    QString estimateFolder(const QString& name) const;
    QString estimateFile(const QString& name) const;
    // The register keeps an estimate's path in its stored form "Name\Name.mdb"; this is the file it names.
    QString estimateFileFromStored(const QString& storedPath) const;
    static QString storedEstimatePath(const QString& name);
    Conn estimateConn(const QString& storedPath) const;

    // The folder of the running executable.
    static QString ofExecutable();

private:
    QString m_root;
    bool m_office = false;
};

} // namespace qx
