#pragma once

#include <QString>
#include <QTextCursor>

class QTextDocument;

namespace qx {

// The search of the editors' "Find": the text and its options, kept by the main window between
// searches. The options are a bit set.
struct FindRequest {
    static constexpr int kWholeWords = 2;
    static constexpr int kMatchCase = 4;

    QString text;
    int options = 0;

    bool wholeWords() const { return options & kWholeWords; }
    bool matchCase() const { return options & kMatchCase; }
};

// The message when the text does not occur after the cursor.
inline const QString kStringNotFound = QStringLiteral("String not found");

// Searches the document from the cursor (after its selection, when it has one) to the end. Returns the
// match selected, or a null cursor when there is none.
QTextCursor findFrom(const QTextDocument& document, const QTextCursor& from, const FindRequest& request);

} // namespace qx
