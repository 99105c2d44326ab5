#include "costs/CostItemEditor.h"

#include "costs/CostCatalogue.h"
#include "costs/CostCovers.h"
#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "data/DateText.h"

#include <QDate>

namespace qx {

namespace {

const TrapSite kLoadSite{QStringLiteral("Form_Load"), TrapSite::Form, QStringLiteral("frmAddMat")};

const QString& textOf(const CostItemFields& fields, CostItemField field) {
    switch (field) {
    case CostItemField::Type:
        return fields.type;
    case CostItemField::Category:
        return fields.category;
    case CostItemField::Manufacturer:
        return fields.manufacturer;
    case CostItemField::Sku:
        return fields.sku;
    case CostItemField::Name:
        return fields.name;
    case CostItemField::Unit:
        return fields.unit;
    case CostItemField::Description:
        return fields.description;
    case CostItemField::Amount:
        return fields.amount;
    case CostItemField::Covers:
        return fields.covers;
    case CostItemField::Coverage:
        return fields.coverage;
    }
    return fields.type;
}

} // namespace

CostItemEditor::CostItemEditor(DataAccess& data, const Conn& cost)
    : m_data(data)
    , m_cost(cost) {}

QStringList CostItemEditor::distinctList(const QString& sql, bool orNoItems) {
    QStringList list;
    m_data.Trap(kLoadSite, [&] {
        const ResultSet rows = m_data.Read(m_cost, sql);
        for (const QVariantList& row : rows.rows) {
            if (!row.at(0).isNull() && !row.at(0).toString().isEmpty())
                list << row.at(0).toString();
        }
    });
    if (list.isEmpty() && orNoItems)
        list << kNoItemsListed;
    return list;
}

QStringList CostItemEditor::types() {
    QStringList list;
    for (int tab = 0; tab < CostCatalogue::kUnitTab; ++tab)
        list << CostCatalogue::costType(tab);
    return list;
}

QStringList CostItemEditor::categories() {
    return distinctList(QStringLiteral("select distinct cat from costitem order by cat asc"), true);
}

QStringList CostItemEditor::units() {
    return distinctList(QStringLiteral("select distinct unit from costitem order by unit asc"), true);
}

QStringList CostItemEditor::PopComboManufacturer() {
    return distinctList(
        QStringLiteral("select distinct manufacturer from costitem order by manufacturer asc"), false);
}

std::optional<CostItemFields> CostItemEditor::load(qint32 id) {
    std::optional<CostItemFields> fields;
    m_data.Trap(kLoadSite, [&] {
        const ResultSet rows = m_data.Read(
            m_cost,
            QStringLiteral(
                "select costtype,cat,costname,unit,descrip,amount,manufacturer,sku,covers,coverage "
                "from costitem where ID=?"),
            {id});
        if (rows.isEmpty())
            return;
        const QVariantList& row = rows.rows.first();
        fields = CostItemFields{
            row.at(0).toString(),
            row.at(1).toString(),
            row.at(6).toString(),
            row.at(7).toString(),
            row.at(2).toString(),
            row.at(3).toString(),
            row.at(4).toString(),
            row.at(5).isNull() ? QString() : plainAmount(Money::fromRaw(row.at(5).toLongLong()))};
        const auto covers = coversNamed(row.at(8).toString());
        fields->covers = coversName(covers.value_or(Covers::Nothing));
        if (covers.value_or(Covers::Nothing) != Covers::Nothing && row.at(9).toLongLong() > 0)
            fields->coverage = Coverage{row.at(9).toLongLong(), {}}.plain();
    });
    return fields;
}

int CostItemEditor::maxLength(CostItemField field) {
    switch (field) {
    case CostItemField::Type:
        return 10;
    case CostItemField::Category:
        return 15;
    case CostItemField::Manufacturer:
    case CostItemField::Name:
        return 50;
    case CostItemField::Sku:
        return 25;
    case CostItemField::Unit:
        return 10;
    case CostItemField::Description:
        return 255;
    case CostItemField::Covers:
        return 20;
    case CostItemField::Amount:
    case CostItemField::Coverage:
        break;
    }
    return 255;
}

std::optional<QString> CostItemEditor::lengthProblem(CostItemField field, const QString& text) {
    return checkLength(text, maxLength(field));
}

std::optional<QString> CostItemEditor::coverageProblem(const QString& covers, const QString& coverage) {
    if (coversNamed(covers).value_or(Covers::Nothing) == Covers::Nothing)
        return std::nullopt;
    const Coverage read = readCoverage(coverage, kMsgCoverageBlank);
    return read.ok() ? std::nullopt : std::optional(read.problem);
}

std::optional<FieldProblem> CostItemEditor::check(const CostItemFields& fields) {
    using F = CostItemField;
    const std::pair<F, const QString&> required[] = {{F::Type, kMsgTypeBlank},
                                                     {F::Category, kMsgCategoryBlank},
                                                     {F::Unit, kMsgUnitBlank},
                                                     {F::Name, kMsgNameBlank},
                                                     {F::Amount, kMsgAmountBlank}};
    for (const auto& [field, message] : required) {
        if (isBlank(textOf(fields, field)))
            return FieldProblem{field, message};
    }
    if (const auto problem = amountProblem(fields.amount))
        return FieldProblem{F::Amount, *problem};
    if (!coversNamed(fields.covers))
        return FieldProblem{F::Covers, kMsgCoversUnknown};
    if (const auto problem = coverageProblem(fields.covers, fields.coverage))
        return FieldProblem{F::Coverage, *problem};
    for (F field : {F::Type, F::Category, F::Manufacturer, F::Sku, F::Name, F::Unit, F::Description}) {
        if (const auto problem = lengthProblem(field, textOf(fields, field)))
            return FieldProblem{field, *problem};
    }
    return std::nullopt;
}

std::optional<qint32> CostItemEditor::save(const CostEditing& editing, const CostItemFields& fields) {
    if (check(fields))
        return std::nullopt;
    // The texts that make lists or match price list rows are stored without blanks at their ends, so
    // that "Shingles " is no second category beside "Shingles" and " GAF-1" matches a supplier's "GAF-1".
    const Params values{trimBlanks(fields.type),
                        trimBlanks(fields.category),
                        optionalText(trimBlanks(fields.manufacturer)),
                        optionalText(trimBlanks(fields.sku)),
                        trimBlanks(fields.name),
                        trimBlanks(fields.unit),
                        optionalText(fields.description),
                        qlonglong(readAmount(fields.amount).value.raw())};
    const Covers covers = *coversNamed(fields.covers);
    const Params coverage{coversName(covers), covers == Covers::Nothing
                                                  ? 0
                                                  : qlonglong(readCoverage(fields.coverage).tenThousandths)};
    // The price date is the day the amount was last set: a save that keeps the amount keeps the date.
    const QString today = storedDate(QDate::currentDate());
    if (editing.editing()) {
        Params update = values;
        update << today << values.back();
        update += coverage;
        update << editing.currentId;
        if (!m_data.ActionQuery(
                QStringLiteral("UPDATE costitem set costtype=?, cat=?, manufacturer=?, sku=?, "
                               "costname=?, unit=?, descrip=?, pricedate=case when amount=? then pricedate "
                               "else ? end, amount=?, covers=?, coverage=? where ID=?"),
                m_cost, update))
            return std::nullopt;
        return editing.currentId;
    }
    if (!m_data.ActionQuery(QStringLiteral("insert into costitem(costtype,cat,manufacturer,sku,costname,unit,"
                                           "descrip,amount,covers,coverage,pricedate) "
                                           "values(?,?,?,?,?,?,?,?,?,?,?)"),
                            m_cost, values + coverage + Params{today}))
        return std::nullopt;
    return qint32(m_data.file(m_cost).lastInsertId());
}

} // namespace qx
