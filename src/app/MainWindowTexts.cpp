#include "app/MainWindowTexts.h"

#include <QUrl>

namespace qx {

QString bugReportUrl() {
    return QStringLiteral("mailto:") + kSupportAddress + QStringLiteral("?subject=QX_Bug");
}

QString helpContentsUrl(const QString& helpFile) {
    QUrl url = QUrl::fromLocalFile(helpFile);
    url.setFragment(kQuickStartAnchor);
    return url.toString(QUrl::FullyEncoded);
}

} // namespace qx
