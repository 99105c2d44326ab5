#include "estimate/Validity.h"

namespace qx {

int daysLeft(const QDate& estDate, int length, const QDate& today) {
    if (!estDate.isValid())
        return 0;
    return int(today.daysTo(estDate.addDays(length)));
}

} // namespace qx
