#include "data/DateText.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(DateText, ShortDatesHaveFourDigitYearsAndGoBackToTheSameStoredDate) {
    struct Case {
        QLocale locale;
        QString format;
        QString shown;   // 2024-03-05
        QString longest; // what a date column is sized to
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "M/d/yyyy", "3/5/2024", "10/28/2000"},
        {QLocale(QLocale::German, QLocale::Germany), "dd.MM.yyyy", "05.03.2024", "28.01.2000"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "dd/MM/yyyy", "05/03/2024", "28/01/2000"},
    };
    for (const Case& c : cases) {
        const std::string name = c.locale.name().toStdString();
        EXPECT_EQ(shortDateFormat(c.locale), c.format) << name;
        EXPECT_EQ(shownDate(QStringLiteral("2024-03-05"), c.locale), c.shown) << name;
        EXPECT_EQ(longestDateText(c.locale), c.longest) << name;
        const auto typed = readDate(c.shown, c.locale);
        ASSERT_TRUE(typed) << name;
        EXPECT_EQ(storedDate(*typed), "2024-03-05") << name;
    }
}

TEST(DateText, WhatIsNoDateIsShownAsStoredAndRefusedWhenTyped) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(shownDate(QVariant(), us), "");
    EXPECT_EQ(shownDate(QStringLiteral("soon"), us), "soon");
    for (const char* typed : {"", "3/5/24", "3/5/0024", "2/30/2024", "13/1/2024", "2024-03-05", "3/5/2024x"})
        EXPECT_FALSE(readDate(QString::fromLatin1(typed), us)) << typed;
    EXPECT_TRUE(readDate(QStringLiteral(" 12/31/9999 "), us));
}
