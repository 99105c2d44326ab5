#include "costs/CostCatalogue.h"

#include "data/InputRules.h"

namespace qx {

namespace {

const QString kCostTypes[CostCatalogue::kTabCount] = {QStringLiteral("Material"), QStringLiteral("Labor"),
                                                      QStringLiteral("SubCon"),   QStringLiteral("Equip"),
                                                      QStringLiteral("Fee"),      QString()};
const QString kPickerCaptions[CostCatalogue::kTabCount] = {
    QStringLiteral("Material"),  QStringLiteral("Labor"), QStringLiteral("Subs"),
    QStringLiteral("Equipment"), QStringLiteral("Fees"),  QStringLiteral("Unit Items")};
const QString kTablesCaptions[CostCatalogue::kTabCount] = {
    QStringLiteral("Material"), QStringLiteral("Labor"), QStringLiteral("SubCon"),
    QStringLiteral("Equip"),    QStringLiteral("Fee"),   QStringLiteral("CostUnit")};

const QString kMaterialColumns =
    QStringLiteral("select ID,Cat,CostName,manufacturer,sku,Unit,Descrip,Amount,pricedate");
const QString kCostColumns = QStringLiteral("select ID,Cat,CostName,Unit,Descrip,Amount,pricedate");
const QString kCoverColumns = QStringLiteral(",covers,coverage");
const QString kFromCostItems = QStringLiteral(" from costitem where costtype=?");
const QString kMaterialOrder = QStringLiteral(" order by cat,costname,manufacturer asc");
const QString kCostOrder = QStringLiteral(" order by id asc");
const QString kCategoryClause = QStringLiteral(" and cat=?");

// Unit items with the sum of their priced components; a unit item without one is not listed.
const QString kUnitHead = QStringLiteral(
    "SELECT CostUnit.ID, CostUnit.MLCat, CostUnit.MLName, CostUnit.MLUnit, CostUnit.MLDesc, "
    "Sum(UnitQry.[Line Total]) AS [Line Total] FROM UnitQry INNER JOIN CostUnit ON UnitQry.ID = CostUnit.ID");
const QString kUnitGroup = QStringLiteral(" GROUP BY CostUnit.ID, CostUnit.MLCat, CostUnit.MLName, "
                                          "CostUnit.MLUnit, CostUnit.MLDesc ORDER BY CostUnit.ID");

} // namespace

CostCatalogue::CostCatalogue(DataAccess& data, const Conn& cost, Use use)
    : m_data(data)
    , m_cost(cost)
    , m_use(use) {}

QString CostCatalogue::tabCaption(int tab) const {
    return m_use == Use::Picker ? kPickerCaptions[tab] : kTablesCaptions[tab];
}

QString CostCatalogue::costType(int tab) {
    return kCostTypes[tab];
}

QStringList CostCatalogue::columnCaptions(int tab) {
    if (tab == kMaterialTab)
        return {QStringLiteral("ID"),           QStringLiteral("Category"), QStringLiteral("Name"),
                QStringLiteral("Manufacturer"), QStringLiteral("SKU"),      QStringLiteral("Unit"),
                QStringLiteral("Desc"),         QStringLiteral("Cost"),     kPriceDateCaption};
    QStringList captions{QStringLiteral("ID"),   QStringLiteral("Cat"),  QStringLiteral("Name"),
                         QStringLiteral("Unit"), QStringLiteral("Desc"), QStringLiteral("Cost")};
    if (tab != kUnitTab)
        captions << kPriceDateCaption;
    return captions;
}

QStringList CostCatalogue::captionsOf(int tab) const {
    QStringList captions = columnCaptions(tab);
    if (m_use == Use::CostTables && tab != kUnitTab)
        captions << QStringLiteral("Covers") << QStringLiteral("Per Unit");
    return captions;
}

int CostCatalogue::costColumn(int tab) {
    return tab == kMaterialTab ? 7 : 5;
}

int CostCatalogue::priceDateColumn(int tab) {
    return tab == kUnitTab ? -1 : costColumn(tab) + 1;
}

QString CostCatalogue::formName() const {
    return m_use == Use::Picker ? QStringLiteral("frmPickItem") : QStringLiteral("frmUnitItem");
}

template <class Work> void CostCatalogue::trap(const QString& procedure, Work&& work) {
    m_data.Trap({procedure, TrapSite::Form, formName()}, std::forward<Work>(work));
}

ResultSet CostCatalogue::rowsOf(int tab, const QString& category) {
    const bool narrowed = category != kAll && !category.isEmpty();
    if (tab == kUnitTab) {
        if (narrowed && m_use == Use::CostTables)
            return m_data.Read(m_cost, kUnitHead + QStringLiteral(" WHERE CostUnit.MLCat=?") + kUnitGroup,
                               {category});
        return m_data.Read(m_cost, kUnitHead + kUnitGroup);
    }
    const bool covers = m_use == Use::CostTables;
    const QString head = (tab == kMaterialTab ? kMaterialColumns : kCostColumns) +
                         (covers ? kCoverColumns : QString()) + kFromCostItems;
    const QString& order = tab == kMaterialTab ? kMaterialOrder : kCostOrder;
    ResultSet rows = narrowed ? m_data.Read(m_cost, head + kCategoryClause + order, {costType(tab), category})
                              : m_data.Read(m_cost, head + order, {costType(tab)});
    if (covers) {
        // The coverage as the editor shows it ("33.3333"); none for an item that covers nothing.
        const int perUnit = priceDateColumn(tab) + 2;
        for (QVariantList& row : rows.rows) {
            const qint64 coverage = row.at(perUnit).toLongLong();
            row[perUnit] = coverage > 0 ? Coverage{coverage, {}}.plain() : QString();
        }
    }
    return rows;
}

namespace {

// Text equality as the cost database compares its text columns (NOCASE: ASCII letters without case).
bool sameText(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        if (lower(x) != lower(y))
            return false;
    }
    return true;
}

// The category of every tab's rows.
constexpr int kCategoryColumn = 1;

} // namespace

ResultSet CostCatalogue::narrow(const ResultSet& all, int tab, const QString& category) const {
    const bool narrowed = category != kAll && !category.isEmpty();
    if (!narrowed || (tab == kUnitTab && m_use == Use::Picker))
        return all;
    ResultSet rows;
    rows.columns = all.columns;
    for (const QVariantList& row : all.rows) {
        const QVariant& cat = row.at(kCategoryColumn);
        if (!cat.isNull() && sameText(cat.toString(), category))
            rows.rows << row;
    }
    return rows;
}

std::optional<ResultSet> CostCatalogue::PopGrid(int tab) {
    std::optional<ResultSet> rows;
    trap(QStringLiteral("PopGrid"), [&] { rows = rowsOf(tab, kAll); });
    return rows;
}

ResultSet CostCatalogue::FilterGrid(int tab, const QString& category) {
    ResultSet rows;
    trap(QStringLiteral("FilterGrid"), [&] { rows = rowsOf(tab, category); });
    return rows;
}

QStringList CostCatalogue::PopCat(int tab) {
    QStringList list{kAll};
    if (tab == kUnitTab && m_use == Use::Picker)
        return list;
    trap(QStringLiteral("PopCat"), [&] {
        const ResultSet cats =
            tab == kUnitTab
                ? m_data.Read(m_cost,
                              QStringLiteral("select min(mlcat collate binary) from costunit where mlcat is "
                                             "not null and mlcat <> '' group by mlcat order by mlcat"))
                : m_data.Read(
                      m_cost,
                      QStringLiteral("select min(cat collate binary) from costitem where costtype=? and "
                                     "cat is not null and cat <> '' group by cat order by cat"),
                      {costType(tab)});
        for (const QVariantList& row : cats.rows)
            list << row.at(0).toString();
    });
    return list;
}

std::optional<Money> CostCatalogue::unitItemPrice(qint32 unitId) {
    const QVariant sum = m_data.ReadScalar(
        m_cost, QStringLiteral("select sum([Line Total]) from UnitQry where ID=?"), {unitId});
    if (sum.isNull())
        return std::nullopt;
    return Money::fromRaw(sum.toLongLong());
}

} // namespace qx
