#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Every test program runs offscreen and in the en_US locale, whatever the machine's settings, so that
// shown amounts and numbers read the same everywhere.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
