#pragma once

#include <QString>
#include <exception>

namespace qx {

// A failed database or file operation: the error number and description that the program's error
// report shows ("Error N (description) in procedure ..."). Database failures carry SQLite's result code.
class Failure : public std::exception {
public:
    Failure(int number, QString description)
        : m_number(number)
        , m_description(std::move(description)) {}
    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return "qx::Failure"; }

private:
    int m_number;
    QString m_description;
};

// Error numbers for failures that do not come from the database engine.
enum FileErrorNumber {
    kErrPathNotFound = 76, // a folder that does not exist or cannot be made
    kErrFileAccess = 75,   // a file that cannot be deleted or written
    kErrFileExists = 58,   // a file that should be new already exists
    kErrOverflow = 6,      // a number outside the whole-number range
    kErrConstraint = 19,   // a row a table's rules refuse (either engine gives this number)
};

} // namespace qx
