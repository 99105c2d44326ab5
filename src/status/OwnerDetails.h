#pragma once

#include "data/AppContext.h"

#include <array>
#include <optional>

namespace qx {

// The owner of an estimate as the owner details screen shows it: the estimate's name (shown, never
// written) and first name, last name or company, address, city/st/zip, home phone, work phone and
// extension. A value the estimate file does not hold shows as the empty text.
struct OwnerRecord {
    QString estName;
    std::array<QString, 7> names;
};

// A refused "Update": the message and the box (0 to 6) it is about.
struct OwnerRefusal {
    QString message;
    int field = 0;
};

// The owner details of an existing estimate, corrected without opening it: the owner row of its
// estimate file (Main, id 1) and the copy of the address in the register.
class OwnerDetails {
public:
    OwnerDetails(AppContext& ctx, qint32 estId);

    // Reads the register row and the owner row; a failure is reported and leaves empty fields.
    OwnerRecord load();
    // The checks of "Update": first and last name, address and city line may not be blank, and no
    // value may be longer than its column.
    static std::optional<OwnerRefusal> check(const std::array<QString, 7>& names);
    // "Update": refuses (message shown, the refusal returned), or writes the owner row, then the
    // register's address. The register follows only an owner row that was stored, so the two never
    // disagree; a failing write is reported.
    std::optional<OwnerRefusal> update(const std::array<QString, 7>& names);

private:
    AppContext& m_ctx;
    qint32 m_estId;
    std::optional<Conn> m_estConn;
};

} // namespace qx
