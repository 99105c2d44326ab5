#include "status/OwnerDetails.h"

#include "data/InputRules.h"
#include "data/StoredPath.h"
#include "estimate/NewEstimate.h"
#include "status/StatusTexts.h"

namespace qx {

namespace {
const TrapSite kLoad{QStringLiteral("Form_Load"), TrapSite::Form, QStringLiteral("frmOwnerDetail")};
constexpr int kRequired = 4; // first name, last name, address and city line
} // namespace

OwnerDetails::OwnerDetails(AppContext& ctx, qint32 estId)
    : m_ctx(ctx)
    , m_estId(estId) {}

OwnerRecord OwnerDetails::load() {
    OwnerRecord record;
    m_ctx.data.Trap(kLoad, [&] {
        const ResultSet master =
            m_ctx.data.Read(m_ctx.conns.sMastConn,
                            QStringLiteral("select estpath,estname from master where id=?"), {m_estId});
        if (master.isEmpty())
            return;
        record.estName = master.at(0, 1).toString();
        m_estConn = storedEstimateConn(m_ctx.folder, master.at(0, 0).toString());
        if (!m_estConn)
            throw Failure(kErrPathNotFound, QStringLiteral("Path not found"));
        const ResultSet owner = m_ctx.data.Read(
            *m_estConn,
            QStringLiteral("select fname,lname,address,citystzip,homeph,workph,ext from main where id=1"));
        if (owner.isEmpty())
            return;
        for (size_t i = 0; i < record.names.size(); ++i)
            record.names[i] = owner.at(0, int(i)).toString();
    });
    return record;
}

std::optional<OwnerRefusal> OwnerDetails::check(const std::array<QString, 7>& names) {
    for (int i = 0; i < int(names.size()); ++i) {
        const QString& name = names[size_t(i)];
        const int maxLength = ownerFieldMaxLength(OwnerField(i));
        if (auto message = i < kRequired ? checkRequired(name, maxLength, StatusTexts::kNotBlank)
                                         : checkLength(name, maxLength))
            return OwnerRefusal{*message, i};
    }
    return std::nullopt;
}

std::optional<OwnerRefusal> OwnerDetails::update(const std::array<QString, 7>& names) {
    if (auto refusal = check(names)) {
        m_ctx.prompter.inform(kAppTitle, refusal->message);
        return refusal;
    }
    if (!m_estConn) {
        m_ctx.data.ShowTrap(
            Failure(kErrPathNotFound, QStringLiteral("Path not found")),
            {QStringLiteral("cmdUpdate_Click"), TrapSite::Form, QStringLiteral("frmOwnerDetail")});
        return std::nullopt;
    }
    const auto& n = names;
    if (m_ctx.data.ActionQuery(
            QStringLiteral(
                "update main set fname=?,lname=?,address=?,citystzip=?,homeph=?,workph=?,ext=? where id=1"),
            *m_estConn, {n[0], n[1], n[2], n[3], n[4], n[5], n[6]}))
        m_ctx.data.ActionQuery(QStringLiteral("update master set estaddress=? where id=?"),
                               m_ctx.conns.sMastConn, {n[2], m_estId});
    return std::nullopt;
}

} // namespace qx
