#include "office/OfficeStorage.h"

#include "office/OfficeEngine.h"
#include "office/OfficeSettings.h"
#include "office/PasswordVault.h"

namespace qx {

void useOfficeStorage(AppContext& ctx, const std::optional<OfficeServer>& server) {
    ctx.pool.closeAll();
    if (server)
        ctx.pool.setOfficeConnector(
            [office = *server](const QString& schema) { return connectOffice(office, schema); });
    else
        ctx.pool.setOfficeConnector({});
    ctx.folder.setOffice(server.has_value());
    ctx.conns = ctx.folder.connections();
    ctx.office = server;
}

std::optional<OfficeServer> storedOfficeServer(const SettingsStore& settings, const QString& configRoot) {
    const OfficeSettings office = OfficeSettings::load(settings);
    if (!office.onServer)
        return std::nullopt;
    const PasswordVault vault(configRoot);
    return office.server(vault.read(office.host, office.user));
}

} // namespace qx
