#include "docs/EditorFind.h"

#include <QTextDocument>

namespace qx {

QTextCursor findFrom(const QTextDocument& document, const QTextCursor& from, const FindRequest& request) {
    if (request.text.isEmpty())
        return {};
    QTextDocument::FindFlags flags;
    if (request.wholeWords())
        flags |= QTextDocument::FindWholeWords;
    if (request.matchCase())
        flags |= QTextDocument::FindCaseSensitively;
    return document.find(request.text, from, flags);
}

} // namespace qx
