#pragma once

#include "data/Conn.h"
#include "data/ProgramFolder.h"

#include <optional>

namespace qx {

// The register keeps an estimate's file as "Folder\File.mdb", relative to estimates/. Whatever a row
// holds (empty, "..", "..\..\x", an absolute path), these only ever name something directly inside
// estimates/.

// The estimate's own folder: the part of the stored path before its first backslash, when that is a
// plain folder name; empty otherwise.
QString storedFolderName(const QString& storedPath);

// The estimate file's connection value, when the stored path is exactly a plain folder name, a
// backslash and a plain file name.
std::optional<Conn> storedEstimateConn(const ProgramFolder& folder, const QString& storedPath);

} // namespace qx
