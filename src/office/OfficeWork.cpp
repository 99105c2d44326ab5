#include "office/OfficeWork.h"

#include "data/Conn.h"
#include "office/OfficeEngine.h"

namespace qx {

QString officeTitle(const OfficeServer& server) {
    return QStringLiteral("%1 on %2").arg(server.database, server.host);
}

bool officeHoldsWork(Database& office) {
    return office
               .scalar(QStringLiteral("select count(*) from pg_catalog.pg_tables "
                                      "where schemaname = ? and tablename = 'master'"),
                       {kRegisterSchema})
               .toLongLong() > 0;
}

std::optional<QString> officeUseRefusal(const OfficeServer& server) {
    try {
        const auto office = connectOffice(server);
        if (officeHoldsWork(*office))
            return std::nullopt;
        return QStringLiteral("%1 holds no office's work yet. Move a PC's work to it first "
                              "(Move This PC's Work to the Server).")
            .arg(officeTitle(server));
    } catch (const Failure& failure) {
        return withoutPassword(failure.description(), server.password);
    }
}

} // namespace qx
