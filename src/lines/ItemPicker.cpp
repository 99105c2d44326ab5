#include "lines/ItemPicker.h"

#include "costs/ItemTags.h"
#include "data/InputRules.h"
#include "lines/LineTexts.h"
#include "lines/Sections.h"

namespace qx {

namespace {

TrapSite pickerSite(const QString& procedure) {
    return {procedure, TrapSite::Form, QStringLiteral("frmPickItem")};
}

} // namespace

ItemPicker::ItemPicker(AppContext& ctx)
    : m_ctx(ctx)
    , m_catalogue(ctx.data, ctx.conns.sCostConn, CostCatalogue::Use::Picker) {}

std::optional<PickedItem> ItemPicker::PickGrid_DblClick(int tab, qint32 id) {
    if (id == 0)
        return std::nullopt;
    std::optional<PickedItem> picked;
    m_ctx.data.Trap(pickerSite(QStringLiteral("PickGrid_DblClick")), [&] {
        if (tab == CostCatalogue::kUnitTab) {
            const ResultSet row =
                m_ctx.data.Read(m_ctx.conns.sCostConn,
                                QStringLiteral("select MLName, MLUnit from costunit where ID=?"), {id});
            const auto price = m_catalogue.unitItemPrice(id);
            if (row.isEmpty() || !price)
                return;
            picked =
                PickedItem{ItemTag::kUnitItem, id, row.at(0, 0).toString(), row.at(0, 1).toString(), *price};
            return;
        }
        const ResultSet row = m_ctx.data.Read(
            m_ctx.conns.sCostConn,
            QStringLiteral("select costtype, costname, unit, amount from costitem where id=?"), {id});
        if (row.isEmpty())
            return;
        picked = PickedItem{row.at(0, 0).toString(), id, row.at(0, 1).toString(), row.at(0, 2).toString(),
                            Money::fromRaw(row.at(0, 3).toLongLong())};
    });
    return picked;
}

std::optional<EditedLine> ItemPicker::PopEditForm(qint32 lineId) {
    std::optional<EditedLine> line;
    m_ctx.data.Trap(pickerSite(QStringLiteral("PopEditForm")), [&] {
        const ResultSet row = m_ctx.data.Read(
            m_ctx.conns.sTempConn,
            QStringLiteral(
                "select autoid,itemtable,itemid,qty,unit,name,cost,sect from tplineitems where autoid=?"),
            {lineId});
        if (row.isEmpty())
            return;
        line = EditedLine{row.at(0, 0).toInt(),
                          {row.at(0, 1).toString(), row.at(0, 2).toInt(), row.at(0, 5).toString(),
                           row.at(0, 4).toString(), Money::fromRaw(row.at(0, 6).toLongLong())},
                          row.at(0, 3).toInt(),
                          row.at(0, 7).toString()};
    });
    return line;
}

QString ItemPicker::priceText(Money price) {
    QString text = price.toPlain(4);
    while (text.endsWith(u'0') && text.indexOf(u'.') < text.size() - 3)
        text.chop(1);
    return text;
}

std::optional<QString> ItemPicker::totalText(const QString& qty, const QString& price) {
    const Measure quantity = readMeasure(qty);
    const Amount amount = readAmount(price);
    if (!quantity.ok() || !amount.ok())
        return std::nullopt;
    const auto total = lineTotalWithin(quantity.whole, amount.value);
    return total ? std::optional(total->toCurrency()) : std::nullopt;
}

namespace {

std::optional<QString> problemOf(const QString& text, const QString& problem) {
    return problem.isEmpty() || isBlank(text) ? std::nullopt : std::optional(problem);
}

} // namespace

std::optional<QString> ItemPicker::quantityProblem(const QString& text) {
    return problemOf(text, readMeasure(text).problem);
}

std::optional<QString> ItemPicker::priceProblem(const QString& text) {
    return problemOf(text, readAmount(text).problem);
}

std::optional<ItemPicker::Refusal> ItemPicker::confirm(const PickerEntry& entry, PendingLine& pending) {
    const QString section = trimBlanks(entry.section);
    if (section.isEmpty() || section.compare(kAddSectionEntry, Qt::CaseInsensitive) == 0)
        return Refusal{LineTexts::kSelectSection, Field::Section};
    const Measure quantity = readMeasure(entry.qty);
    if (!quantity.ok())
        return Refusal{quantity.problem, Field::Quantity};
    const Amount price = readAmount(entry.price);
    if (!price.ok())
        return Refusal{price.problem, Field::Price};
    const auto lineTotal = lineTotalWithin(quantity.whole, price.value);
    if (!lineTotal)
        return Refusal{lineTotalRangeMessage(), Field::Quantity};
    pending.itemId = entry.itemId.toInt();
    pending.secOrder = entry.sectionOrder;
    pending.sect = section;
    pending.itemTable = entry.itemTable;
    pending.qty = quantity.whole;
    pending.unit = entry.unit;
    pending.name = entry.name;
    pending.cost = price.value;
    pending.lineTotal = *lineTotal;
    pending.linePicked = true;
    return std::nullopt;
}

} // namespace qx
