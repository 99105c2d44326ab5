#include "office/OfficeEngine.h"

#include "data/InputRules.h"
#include "office/OfficeModule.h"

#include <QRegularExpression>

namespace qx {

namespace {

// The cause of a failed connection in the user's words, from libpq's account of it.
QString plainCause(const OfficeServer& server, const QString& raw) {
    struct Cause {
        const char* clue;
        QString words;
    };
    const Cause causes[] = {
        {"could not translate host name", QStringLiteral("the server name %1 is unknown").arg(server.host)},
        {"Connection refused",
         QStringLiteral("the server refused the connection on port %1").arg(server.port)},
        {"No such file or directory",
         QStringLiteral("no server answers on port %1 of this computer").arg(server.port)},
        {"password authentication failed", QStringLiteral("the user name or the password is wrong")},
        {"no password supplied", QStringLiteral("the server needs a password")},
        {"does not exist", QStringLiteral("the server has no database %1").arg(server.database)},
        {"server does not support SSL", QStringLiteral("the server offers no encrypted connection")},
        {"no pg_hba.conf entry", QStringLiteral("the server does not let this computer in")},
        {"timeout expired", QStringLiteral("the server did not answer in time")},
        {"No route to host", QStringLiteral("the server cannot be reached")},
        {"Network is unreachable", QStringLiteral("the server cannot be reached")},
    };
    for (const Cause& cause : causes) {
        if (raw.contains(QLatin1String(cause.clue), Qt::CaseInsensitive)) {
            // A role the server does not know is told as a wrong user name.
            if (qstrcmp(cause.clue, "does not exist") == 0 && raw.contains(QLatin1String("role")))
                return QStringLiteral("the user name or the password is wrong");
            return cause.words;
        }
    }
    // Something else: the server's own first line, without the connection details before it.
    QString line = raw.section(QLatin1Char('\n'), 0, 0).trimmed();
    static const QRegularExpression prefix(QStringLiteral("^connection to server .*? failed: "));
    line.remove(prefix);
    return QStringLiteral("the server answered \"%1\"").arg(line);
}

} // namespace

QString withoutPassword(QString text, const QString& password) {
    if (charCount(password) < kShortestMasked)
        return text;
    const auto joins = [](QChar a, QChar b) { return a.isLetterOrNumber() && b.isLetterOrNumber(); };
    const QString mask = QStringLiteral("********");
    for (qsizetype at = text.indexOf(password); at >= 0; at = text.indexOf(password, at)) {
        const qsizetype end = at + password.size();
        if ((at > 0 && joins(text.at(at - 1), password.front())) ||
            (end < text.size() && joins(password.back(), text.at(end)))) {
            at = end;
            continue;
        }
        text.replace(at, password.size(), mask);
        at += mask.size();
    }
    return text;
}

QString connectionFailure(const OfficeServer& server, const QString& raw) {
    return withoutPassword(QStringLiteral("Could not connect to %1 on %2: %3.")
                               .arg(server.database, server.host, plainCause(server, raw)),
                           server.password);
}

std::unique_ptr<Database> connectOffice(const OfficeServer& server, const QString& schema, bool create) {
    if (const auto refusal = checkPassword(server.password))
        throw Failure(
            kErrPathNotFound,
            QStringLiteral("Could not connect to %1 on %2. %3").arg(server.database, server.host, *refusal));
    static const auto connector = reinterpret_cast<OfficeConnector>(officeModuleEntry(kOfficeConnectorEntry));
    if (!connector)
        throw Failure(kErrFileAccess, QStringLiteral("The office server part of the program is missing."));
    // Schema names are the program's own ("register", "cost", "est_12"), never typed text.
    static const QRegularExpression identifier(QStringLiteral("^[a-z_][a-z0-9_]*$"));
    if (!schema.isEmpty() && !identifier.match(schema).hasMatch())
        throw Failure(1, QStringLiteral("Invalid schema name."));
    QString failure;
    std::unique_ptr<Database> db(connector(server, schema, failure));
    if (!db)
        throw Failure(kErrPathNotFound, connectionFailure(server, failure));
    // A schema made after the connection chose its search path is found there at once.
    if (create && !schema.isEmpty())
        db->execScript(QStringLiteral("CREATE SCHEMA IF NOT EXISTS %1").arg(schema));
    return db;
}

QString testOfficeConnection(const OfficeServer& server) {
    try {
        connectOffice(server);
        return QStringLiteral("Connected to %1 on %2.").arg(server.database, server.host);
    } catch (const Failure& failure) {
        return withoutPassword(failure.description(), server.password);
    }
}

} // namespace qx
