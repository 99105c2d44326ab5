#include "lines/PendingLine.h"

#include "data/Failure.h"
#include "data/InputRules.h"

namespace qx {

std::optional<Money> lineTotalWithin(qint32 qty, Money price) {
    const auto product = price.times(qty);
    if (!product || *product > kMaxTotal || *product < -kMaxTotal)
        return std::nullopt;
    return product->roundedToCents();
}

Money lineTotalOf(qint32 qty, Money price) {
    const auto total = lineTotalWithin(qty, price);
    if (!total)
        throw Failure(kErrOverflow, QStringLiteral("Overflow"));
    return *total;
}

} // namespace qx
