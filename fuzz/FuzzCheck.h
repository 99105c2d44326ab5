#pragma once

#include <QLocale>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace qx::fuzz {

// A property the code under test must keep: when it does not, the input is reported as a crash, with
// the property and the text involved.
inline void require(bool holds, const char* property, const QString& text = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s [%s]\n", property, qPrintable(text));
    std::abort();
}

// Locales whose numbers differ in decimal point, grouping (threes, en_IN's twos, blanks, apostrophes),
// sign (sv_SE's U+2212, ar_EG's marks) and digits (ar_EG's own).
inline const QLocale& pickLocale(unsigned char choice) {
    static const QLocale locales[] = {
        QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("fr_FR")),
        QLocale(QStringLiteral("de_CH")), QLocale(QStringLiteral("en_IN")), QLocale(QStringLiteral("sv_SE")),
        QLocale(QStringLiteral("nl_NL")), QLocale(QStringLiteral("ar_EG")), QLocale::c(),
    };
    return locales[choice % (sizeof locales / sizeof locales[0])];
}

} // namespace qx::fuzz
