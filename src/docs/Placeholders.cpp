#include "docs/Placeholders.h"

#include <QTextCursor>
#include <QTextDocument>

namespace qx {

int replacePlaceholder(QTextDocument& document, const QString& placeholder, const QString& value) {
    int count = 0;
    int position = 0;
    for (;;) {
        QTextCursor match = document.find(placeholder, position,
                                          QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords);
        if (match.isNull())
            return count;
        match.insertText(value, match.charFormat());
        position = match.position();
        ++count;
    }
}

} // namespace qx
