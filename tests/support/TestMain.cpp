#include "PrivateHome.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

// Every test program runs offscreen, in the en_US locale and in a home folder of its own, whatever the
// machine's settings, so that shown amounts and numbers read the same everywhere and nothing is
// written into the home of whoever runs the tests.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "en_US.UTF-8");
    const qxtest::PrivateHome home;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
