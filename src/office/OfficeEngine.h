#pragma once

#include "data/Database.h"
#include "data/OfficeServer.h"

#include <memory>

namespace qx {

// The office server engine. libpq and the engine are a module of their own, loaded with the first
// office connection: a program that works on its own files never loads them.

// Opens a connection to `schema` of the office's database (an empty schema: the database itself),
// creating the schema when `create` is set. Throws Failure with the cause in plain words (see
// connectionFailure); no message ever holds the password.
std::unique_ptr<Database> connectOffice(const OfficeServer& server, const QString& schema = {},
                                        bool create = false);

// "Could not connect to DATABASE on HOST: " and the cause in plain words, for libpq's account `raw` of a
// failed connection.
QString connectionFailure(const OfficeServer& server, const QString& raw);

// `text` with the password, wherever a library put it, blotted out: no text the program shows or keeps
// ever holds it.
QString withoutPassword(QString text, const QString& password);

// "Connected to DATABASE on HOST." when the office's database answers, else the cause.
QString testOfficeConnection(const OfficeServer& server);

// The module's one entry: a connection, or null with libpq's account of the failure.
using OfficeConnector = Database* (*)(const OfficeServer& server, const QString& schema, QString& failure);
inline constexpr char kOfficeConnectorEntry[] = "qxConnectOffice";

} // namespace qx
