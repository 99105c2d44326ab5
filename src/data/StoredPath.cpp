#include "data/StoredPath.h"

#include <QStringList>

namespace qx {

namespace {

// A name that stays where it is put: not empty, no path separator, not "." or "..".
bool plainName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(u'\0'));
}

} // namespace

QString storedFolderName(const QString& storedPath) {
    const QString folder = storedPath.section(QLatin1Char('\\'), 0, 0);
    return plainName(folder) ? folder : QString();
}

std::optional<Conn> storedEstimateConn(const ProgramFolder& folder, const QString& storedPath) {
    const QStringList parts = storedPath.split(QLatin1Char('\\'));
    if (parts.size() != 2 || !plainName(parts[0]) || !plainName(parts[1]))
        return std::nullopt;
    return folder.estimateConn(storedPath);
}

} // namespace qx
