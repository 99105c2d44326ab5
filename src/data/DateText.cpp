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

QString longestDateText(const QLocale& locale) {
    QString longest;
    for (int month = 1; month <= 12; ++month) {
        const QString text = shortDateText(QDate(2000, month, 28), locale);
        if (text.size() > longest.size())
            longest = text;
    }
    return longest;
}

QString shownDate(const QVariant& stored, const QLocale& locale) {
    if (stored.isNull())
        return {};
    const QDate date = dateFromStored(stored.toString());
    return date.isValid() ? shortDateText(date, locale) : stored.toString();
}

std::optional<QDate> readDate(const QString& typed, const QLocale& locale) {
    const QDate date = locale.toDate(typed.trimmed(), shortDateFormat(locale));
    // A year typed in fewer than four digits ("0024") is no year the user meant.
    if (!date.isValid() || date.year() < 1000 || date.year() > 9999)
        return std::nullopt;
    return date;
}

ShownDates::ShownDates(const QLocale& locale)
    : m_locale(locale)
    , m_format(shortDateFormat(locale)) {}

QString ShownDates::operator()(const QVariant& stored) {
    if (stored.isNull())
        return {};
    const QString text = stored.toString();
    const QString shown = dateOnly(text);
    return shown.isNull() ? text : shown;
}

QString ShownDates::dateOnly(const QString& stored) {
    auto known = m_shown.constFind(stored);
    if (known == m_shown.constEnd()) {
        const QDate date = dateFromStored(stored);
        // A null text marks a stored text that is no date.
        known = m_shown.insert(stored, date.isValid() ? m_locale.toString(date, m_format) : QString());
    }
    return *known;
}

} // namespace qx
