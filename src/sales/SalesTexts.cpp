#include "sales/SalesTexts.h"

#include "estimate/OpenList.h"
#include "estimate/Validity.h"

#include <QLocale>

namespace qx::SalesTexts {

namespace {

constexpr int kFollowUpNameWidth = 25;

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(QLocale().toString(n), QLatin1String(n == 1 ? one : many));
}

} // namespace

QString sum(const SalesSum& value) {
    const std::optional<Money> amount = value.amount();
    return amount ? amount->toCurrency() : kTooLarge;
}

QString pipeline(int estimates, const SalesSum& value) {
    return QStringLiteral("Pending: %1, %2").arg(counted(estimates, "estimate", "estimates"), sum(value));
}

QString winRate(int accepted, int decided) {
    if (decided <= 0)
        return QStringLiteral("No estimates decided yet");
    // The share in whole percent, a half rounded up.
    const qint64 percent = (qint64(accepted) * 200 + decided) / (qint64(decided) * 2);
    return QStringLiteral("Accepted %1 of %2 decided (%3%)")
        .arg(QLocale().toString(accepted), QLocale().toString(decided), QLocale().toString(percent));
}

QString average(std::optional<Money> average) {
    return QStringLiteral("Average accepted: %1")
        .arg(average ? average->toCurrency() : QStringLiteral("none"));
}

QString unknownTotals(int estimates) {
    if (estimates <= 0)
        return {};
    return counted(estimates, "estimate", "estimates") + QStringLiteral(" without a stored total");
}

QString followUpCount(int estimates) {
    if (estimates <= 0)
        return {};
    return estimates == 1 ? QStringLiteral("1 estimate needs follow-up")
                          : counted(estimates, "estimate", "estimates") + QStringLiteral(" need follow-up");
}

QString followUpLine(const QString& name, int daysLeft) {
    QString when;
    if (!hasExpired(daysLeft))
        when = daysLeft == 1 ? QStringLiteral("expires in 1 day")
                             : QStringLiteral("expires in %1 days").arg(daysLeft);
    else if (daysLeft == 0)
        when = QStringLiteral("expired today");
    else if (daysLeft == -1)
        when = QStringLiteral("expired 1 day ago");
    else
        when = QStringLiteral("expired %1 days ago").arg(-qint64(daysLeft));
    // A long name is cut so that at least one blank keeps it apart from the text after it.
    return padCell(padCell(name, 0, kFollowUpNameWidth - 1), kFollowUpNameWidth, kFollowUpNameWidth) + when;
}

QString month(const QDate& firstDay) {
    return QLocale().toString(firstDay, QStringLiteral("MMM yyyy"));
}

QString madeLegend(int most) {
    return QStringLiteral("Estimates (most %1)").arg(QLocale().toString(most));
}

QString valueLegend(const SalesSum& best) {
    return QStringLiteral("Accepted value (best %1)").arg(sum(best));
}

QStringList monthColumns() {
    return {QStringLiteral("Month"), QStringLiteral("Estimates"), QStringLiteral("Accepted"),
            QStringLiteral("Accepted value")};
}

QStringList typeColumns() {
    return {QStringLiteral("Type"), QStringLiteral("Estimates"), QStringLiteral("Accepted"),
            QStringLiteral("Accepted value")};
}

} // namespace qx::SalesTexts
