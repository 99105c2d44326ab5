#include "data/TextRules.h"

namespace qx {

QString tooLongMessage(int maxLength) {
    return QStringLiteral("This field cannot be any longer than %1 characters.").arg(maxLength);
}

std::optional<QString> checkLength(const QString& text, int maxLength) {
    if (text.size() > maxLength)
        return tooLongMessage(maxLength);
    return std::nullopt;
}

} // namespace qx
