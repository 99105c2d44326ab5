#include "docs/FontSizes.h"

#include "data/InputRules.h"

#include <QFont>
#include <QFontDatabase>
#include <QTextCharFormat>

namespace qx {

namespace {
// 7 comes after 8: the list shows the sizes in the order they are tried.
const QList<int> kCandidates = {6, 8, 7, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
const QList<int> kFallback = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 30, 36, 42, 48, 60, 72};
constexpr double kSmallestSize = 1;
constexpr double kLargestSize = 1638;
} // namespace

QList<int> fontSizesFor(const QString& family) {
    if (family.trimmed().isEmpty() || !QFontDatabase::hasFamily(family))
        return kFallback;
    if (QFontDatabase::isSmoothlyScalable(family) || QFontDatabase::isScalable(family))
        return kCandidates;
    const QList<int> available = QFontDatabase::pointSizes(family);
    QList<int> sizes;
    for (int size : kCandidates)
        if (available.contains(size))
            sizes << size;
    return sizes.isEmpty() ? kFallback : sizes;
}

std::optional<double> typedFontSize(const QString& text) {
    const Measure points = readMeasure(text);
    if (!points.ok() || points.value < kSmallestSize || points.value > kLargestSize)
        return std::nullopt;
    return points.value;
}

ShownFont shownFont(const QTextCharFormat& format, const QFont& base) {
    const QFont font = format.font().resolve(base);
    const double points = font.pointSizeF();
    return {font.family(), points > 0 ? QString::number(points) : QString()};
}

} // namespace qx
