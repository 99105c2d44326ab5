#pragma once

#include <QLocale>
#include <QString>

namespace qxtest {

// Sets the user's locale for the life of the object, then puts the tests' en_US back.
class UserLocale {
public:
    explicit UserLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    ~UserLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    UserLocale(const UserLocale&) = delete;
    UserLocale& operator=(const UserLocale&) = delete;
};

} // namespace qxtest
