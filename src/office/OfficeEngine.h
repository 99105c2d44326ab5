#pragma once

#include "data/Database.h"
#include "data/OfficeServer.h"

#include <memory>

namespace qx {

// The office server engine. libpq and the engine are a module of their own, loaded with the first
// office connection: a program that works on its own files never loads them.

// Opens a connection to `schema` of the office's database (an empty schema: the database itself),
// creating the schema when `create` is set. Throws Failure with the cause in plain words (see
// connectionFailure); no message ever holds the password. A password the server could not be sent
// whole (see checkPassword) is refused before anything is sent.
std::unique_ptr<Database> connectOffice(const OfficeServer& server, const QString& schema = {},
                                        bool create = false);

// "Could not connect to DATABASE on HOST: " and the cause in plain words, for libpq's account `raw` of a
// failed connection.
QString connectionFailure(const OfficeServer& server, const QString& raw);

// `text` with each occurrence of the password, wherever a library put it, blotted out: the password
// standing on its own, not the same letters inside a longer word or name. A password shorter than
// kShortestMasked is left as it is: it gives nothing away, and blotting it out would garble every word
// it is part of ("Could not conn********ct").
inline constexpr int kShortestMasked = 4;
QString withoutPassword(QString text, const QString& password);

// "Connected to DATABASE on HOST." when the office's database answers, else the cause.
QString testOfficeConnection(const OfficeServer& server);

// The module's one entry: a connection, or null with libpq's account of the failure.
using OfficeConnector = Database* (*)(const OfficeServer& server, const QString& schema, QString& failure);
inline constexpr char kOfficeConnectorEntry[] = "qxConnectOffice";

} // namespace qx
