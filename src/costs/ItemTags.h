#pragma once

#include <QString>
#include <array>

namespace qx {

// Item table tags: where a line's price came from. A cost item's line carries its cost type exactly as
// the cost database stores it; a unit item's line carries "Unit_Item". Tags are compared without
// regard to case.
namespace ItemTag {
inline const QString kMaterial = QStringLiteral("Material");
inline const QString kLabor = QStringLiteral("Labor");
inline const QString kSubCon = QStringLiteral("SubCon");
inline const QString kEquip = QStringLiteral("Equip");
inline const QString kFee = QStringLiteral("Fee");
inline const QString kUnitItem = QStringLiteral("Unit_Item");
} // namespace ItemTag

// The six categories of the subtotals, in the order the "Sub Totals" frame lists them.
inline constexpr int kCategoryCount = 6;
inline const std::array<QString, kCategoryCount>& categoryTags() {
    static const std::array<QString, kCategoryCount> tags = {ItemTag::kMaterial, ItemTag::kLabor,
                                                             ItemTag::kSubCon,   ItemTag::kEquip,
                                                             ItemTag::kFee,      ItemTag::kUnitItem};
    return tags;
}

} // namespace qx
