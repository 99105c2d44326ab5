#include "costs/CostCovers.h"

namespace qx {

const QStringList& coversEntries() {
    static const QStringList entries = {QStringLiteral("Nothing"),        QStringLiteral("Roof total"),
                                        QStringLiteral("Roof area"),      QStringLiteral("Cap length"),
                                        QStringLiteral("Starter length"), QStringLiteral("Eave and rake"),
                                        QStringLiteral("Valley")};
    return entries;
}

QString coversName(Covers covers) {
    return coversEntries().at(int(covers));
}

std::optional<Covers> coversNamed(const QString& text) {
    for (int i = 0; i < coversEntries().size(); ++i) {
        if (coversEntries().at(i).compare(text, Qt::CaseInsensitive) == 0)
            return Covers(i);
    }
    return std::nullopt;
}

} // namespace qx
