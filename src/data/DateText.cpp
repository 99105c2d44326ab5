#include "data/DateText.h"

#include <QRegularExpression>

namespace qx {

QString storedDate(const QDate& date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QDate dateFromStored(const QString& text) {
    return QDate::fromString(text.left(10), Qt::ISODate);
}

QString shortDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // Any run of year letters becomes "yyyy".
    static const QRegularExpression years(QStringLiteral("y+"));
    format.replace(years, QStringLiteral("yyyy"));
    return format;
}

QString shortDateText(const QDate& date, const QLocale& locale) {
    return date.isValid() ? locale.toString(date, shortDateFormat(locale)) : QString();
}

} // namespace qx
