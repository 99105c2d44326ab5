#include "app/MainWindowTexts.h"

namespace qx {

QString bugReportUrl() {
    return QStringLiteral("mailto:") + kSupportAddress + QStringLiteral("?subject=QX_Bug");
}

} // namespace qx
