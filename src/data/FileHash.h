#pragma once

#include <QString>

namespace qx {

// The SHA-256 of a file's content in lower-case hex. Throws Failure when the file cannot be read.
QString sha256Of(const QString& path);

} // namespace qx
