#pragma once

#include "data/AppContext.h"
#include "data/Money.h"

#include <optional>

namespace qx {

// The estimate total each register row keeps (`esttotal`), so that the sales picture never opens
// 20,000 estimate files: written by every save, duplicate and import; empty while unknown.
class RegisterTotals {
public:
    explicit RegisterTotals(AppContext& ctx);

    // Stores `total` as estimate `id`'s total. Throws Failure.
    void store(qint32 id, Money total);
    // The total of the estimate whose file is `estimateFile`, as Terms/Totals shows it once opened.
    // Throws Failure.
    Money figure(const Conn& estimateFile);
    // Figures and stores estimate `id`'s total from its file. Throws Failure.
    void refresh(qint32 id, const Conn& estimateFile);
    // The same, a failure reported; false then.
    bool refreshReported(qint32 id, const Conn& estimateFile);
    // Gives every row of `register_` without a total the one its estimate's file holds; a row whose
    // file is missing or cannot be read stays empty. Each file is closed again once read. Returns how
    // many rows were filled.
    int fillMissing(SqlFile& register_);
    // The first open of the register by this build: it gains the columns it lacks, and when the
    // totals were among them, they are filled from the estimates' files. Throws Failure.
    void upgrade(SqlFile& register_);

private:
    AppContext& m_ctx;
};

} // namespace qx
