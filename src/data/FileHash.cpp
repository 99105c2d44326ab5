#include "data/FileHash.h"

#include "data/Failure.h"

#include <QCryptographicHash>
#include <QFile>

namespace qx {

QString sha256Of(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        throw Failure(kErrFileAccess, QStringLiteral("Could not read '%1'.").arg(path));
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace qx
