#pragma once

#include "data/AppContext.h"
#include "data/Money.h"
#include "estimate/NewEstimate.h"

#include <QList>
#include <functional>
#include <optional>

namespace qx {

// "Duplicate" on the status board: the estimate to make a new one from, and whether its lines take the
// cost database's prices.
struct DuplicateRequest {
    qint32 id = 0;
    bool reprice = false;
};

// A line whose price "Reprice from the cost database" changed.
struct RepricedLine {
    QString name;
    Money before;
    Money after;
};

// Making a new estimate from a stored one: the owner panel starts from the old owner and type (the
// name left empty, so the new estimate is named as any new one), and once Start has made the new
// estimate's file it receives copies of the old one's roof, lines and texts. The old estimate is only
// read.
class DuplicateEstimate {
public:
    explicit DuplicateEstimate(AppContext& ctx);

    // The owner and type of estimate `id`, the estimate name empty. Nothing when it cannot be read
    // (reported).
    std::optional<OwnerInput> ownerOf(qint32 id);
    // What comes along from the old estimate's folder into the new one's, such as the sent revisions
    // (they stand above the estimate, so the caller names them); throws Failure when it cannot.
    using FolderCarry =
        std::function<void(qint32 fromId, qint32 toId, const QString& fromFolder, const QString& toFolder)>;
    // Copies into the new estimate's file `to` every table of the old estimate's file but the owner
    // (areas, lineal items, lines and any other table an estimate file holds), with the administrative
    // amounts, summary and terms of its owner row, in one transaction: all of it or nothing, together
    // with `carry` for a new estimate on this PC's files (`toId` its register id). False when it failed
    // (reported).
    bool copyContent(qint32 fromId, qint32 toId, const Conn& to, const FolderCarry& carry = {});
    // Updates the price of each line of `estimate` from its cost item (or unit item) where that still
    // exists, with its line total; returns the lines whose price changed, in line order. One
    // transaction. Nothing when it failed (reported).
    std::optional<QList<RepricedLine>> reprice(const Conn& estimate);

    // "The prices of these lines changed:" and one line each, or the note that none changed.
    static QString repricedMessage(const QList<RepricedLine>& lines);

private:
    std::optional<Money> currentPrice(const QString& itemTable, qint32 itemId);

    AppContext& m_ctx;
};

} // namespace qx
