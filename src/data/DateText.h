#pragma once

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QVariant>
#include <optional>

namespace qx {

// Dates are stored as ISO text (YYYY-MM-DD) and shown in the user's short date format, always with a
// four-digit year so that a date can never be read in the wrong century.

// The stored form of a date; empty for an invalid date.
QString storedDate(const QDate& date);
// A stored date read back; invalid when the text is no ISO date.
QDate dateFromStored(const QString& text);
// The user's short date format with a four-digit year ("M/d/yyyy" in en_US).
QString shortDateFormat(const QLocale& locale = QLocale());
// A date as the user sees it; empty for an invalid date.
QString shortDateText(const QDate& date, const QLocale& locale = QLocale());
// The longest text shortDateText gives (a two-digit day in each month): what a date column is sized to.
QString longestDateText(const QLocale& locale = QLocale());
// A stored date as the user reads it: a stored text that is no ISO date is shown as it stands, and a
// date that holds no value as the empty text.
QString shownDate(const QVariant& stored, const QLocale& locale = QLocale());
// A date as the user types it in the short date format, with a year of four digits; nothing when the
// text is no such date.
std::optional<QDate> readDate(const QString& typed, const QLocale& locale = QLocale());

// The dates of a long list as shownDate shows them: the format is worked out once, and each stored
// text is turned into a date text once (a register of 20,000 estimates holds far fewer days).
class ShownDates {
public:
    explicit ShownDates(const QLocale& locale = QLocale());
    QString operator()(const QVariant& stored);
    // The same, but a stored text that is no date shows empty.
    QString dateOnly(const QString& stored);

private:
    QLocale m_locale;
    QString m_format;
    QHash<QString, QString> m_shown;
};

} // namespace qx
