#include "costs/UnitItemBuilder.h"

#include "costs/CostInput.h"
#include "costs/CostTexts.h"

namespace qx {

namespace {

TrapSite builderSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmAddLabMat")};
}

Money lineTotal(Money cost, double quantity) {
    return cost.timesRoundedToRaw(quantity);
}

// A line total a unit item may hold: no more than a line can (a larger product is clamped by Money).
bool withinLine(Money total) {
    return total <= kMaxTotal && total >= -kMaxTotal;
}

QStringList firstColumn(const ResultSet& rows) {
    QStringList list;
    for (const QVariantList& row : rows.rows) {
        if (!row.at(0).isNull() && !row.at(0).toString().isEmpty())
            list << row.at(0).toString();
    }
    return list;
}

const QString& textOf(const UnitHeader& header, UnitField field) {
    switch (field) {
    case UnitField::Name:
        return header.name;
    case UnitField::Category:
        return header.category;
    case UnitField::Unit:
        return header.unit;
    case UnitField::Description:
        break;
    }
    return header.description;
}

} // namespace

UnitItemBuilder::UnitItemBuilder(DataAccess& data, WorkingDb& working, const Conn& cost)
    : m_data(data)
    , m_working(working)
    , m_cost(cost)
    , m_unit(working.unitConn()) {}

bool UnitItemBuilder::CreateUnitDB() {
    return m_data.Trap(builderSite("Form_Load"), [&] { m_working.CreateUnitDB(); });
}

QStringList UnitItemBuilder::PopCatCombo() {
    QStringList list;
    m_data.Trap(builderSite("PopCatCombo"), [&] {
        list = firstColumn(
            m_data.Read(m_cost, QStringLiteral("select distinct cat from costitem order by cat asc")));
    });
    return list;
}

QStringList UnitItemBuilder::PopUnitCombo() {
    QStringList list;
    m_data.Trap(builderSite("PopUnitCombo"), [&] {
        list = firstColumn(
            m_data.Read(m_cost, QStringLiteral("select distinct mlunit from costunit order by mlunit asc")));
    });
    return list;
}

std::optional<UnitHeader> UnitItemBuilder::loadHeader(qint32 unitId) {
    std::optional<UnitHeader> header;
    m_data.Trap(builderSite("Form_Load"), [&] {
        const ResultSet rows = m_data.Read(
            m_cost, QStringLiteral("select mlname,mlcat,mlunit,mldesc from costunit where id=?"), {unitId});
        if (!rows.isEmpty())
            header = UnitHeader{rows.at(0, 0).toString(), rows.at(0, 1).toString(), rows.at(0, 2).toString(),
                                rows.at(0, 3).toString()};
    });
    return header;
}

bool UnitItemBuilder::PopTempTable(qint32 unitId) {
    return m_data.Trap(builderSite("PopTempTable"), [&] {
        const ResultSet stored = m_data.Read(
            m_cost,
            QStringLiteral(
                "select unititems.id,unititems.itemid,unititems.itemqty,costitem.unit,"
                "costitem.costname,costitem.amount from unititems,costitem "
                "where costitem.id=unititems.itemid and unititems.matlaborid=? order by unititems.id"),
            {unitId});
        SqlFile& scratch = m_data.local(m_unit);
        Transaction transaction(scratch);
        scratch.exec(QStringLiteral("delete from tempunit"));
        for (const QVariantList& row : stored.rows) {
            const double quantity = row.at(2).toDouble();
            const Money cost = Money::fromRaw(row.at(5).toLongLong());
            scratch.exec(
                QStringLiteral("insert into tempunit(mainid,unitid,itemid,qty,unit,name,cost,linetotal) "
                               "values(?,?,?,?,?,?,?,?)"),
                {row.at(0), unitId, row.at(1), quantity, optionalText(row.at(3).toString()),
                 optionalText(row.at(4).toString()), qlonglong(cost.raw()),
                 qlonglong(lineTotal(cost, quantity).raw())});
        }
        transaction.commit();
    });
}

const QStringList& UnitItemBuilder::gridCaptions() {
    static const QStringList captions = {
        QStringLiteral("ID"),   QStringLiteral("MID"),  QStringLiteral("UID"),
        QStringLiteral("IID"),  QStringLiteral("Qty"),  QStringLiteral("Unit"),
        QStringLiteral("Name"), QStringLiteral("Cost"), QStringLiteral("Line Total")};
    return captions;
}

std::optional<ResultSet> UnitItemBuilder::PopItemGrid() {
    std::optional<ResultSet> rows;
    m_data.Trap(builderSite("PopItemGrid"), [&] {
        rows = m_data.Read(
            m_unit,
            QStringLiteral(
                "select ID,mainid,unitid,itemid,qty,Unit,name,cost,linetotal from tempunit order by id asc"));
        rows->columns = gridCaptions();
    });
    return rows;
}

Money UnitItemBuilder::ComputeTotal() {
    Money total;
    m_data.Trap(builderSite("ComputeTotal"), [&] {
        total = Money::fromRaw(
            m_data.ReadScalar(m_unit, QStringLiteral("select sum(linetotal) from tempunit")).toLongLong());
    });
    return total;
}

std::optional<QString> UnitItemBuilder::addComponent(qint32 itemId, double quantity) {
    std::optional<QString> refusal;
    m_data.Trap(builderSite("cmSelectItem_Click"), [&] {
        const ResultSet rows = m_data.Read(
            m_cost, QStringLiteral("select costname,unit,amount from costitem where id=?"), {itemId});
        if (rows.isEmpty())
            return;
        const Money cost = Money::fromRaw(rows.at(0, 2).toLongLong());
        const Money total = lineTotal(cost, quantity);
        if (!withinLine(total)) {
            refusal = lineTotalRangeMessage();
            return;
        }
        m_data.file(m_unit).exec(
            QStringLiteral("insert into tempunit(mainid,unitid,itemid,qty,unit,name,cost,linetotal) "
                           "values(0,0,?,?,?,?,?,?)"),
            {itemId, quantity, optionalText(rows.at(0, 1).toString()), optionalText(rows.at(0, 0).toString()),
             qlonglong(cost.raw()), qlonglong(total.raw())});
    });
    return refusal;
}

std::optional<double> UnitItemBuilder::quantityOf(qint32 tempId) {
    std::optional<double> quantity;
    m_data.Trap(builderSite("cmdEditItem_Click"), [&] {
        const QVariant qty =
            m_data.ReadScalar(m_unit, QStringLiteral("select qty from tempunit where id=?"), {tempId});
        if (!qty.isNull())
            quantity = qty.toDouble();
    });
    return quantity;
}

std::optional<QString> UnitItemBuilder::changeQuantity(qint32 tempId, double quantity) {
    std::optional<QString> refusal;
    m_data.Trap(builderSite("cmdEditItem_Click"), [&] {
        const ResultSet rows =
            m_data.Read(m_unit, QStringLiteral("select mainid,cost from tempunit where id=?"), {tempId});
        if (rows.isEmpty())
            return;
        const qint64 mainId = rows.at(0, 0).toLongLong();
        const Money total = lineTotal(Money::fromRaw(rows.at(0, 1).toLongLong()), quantity);
        if (!withinLine(total)) {
            refusal = lineTotalRangeMessage();
            return;
        }
        if (mainId != 0)
            m_data.file(m_cost).exec(QStringLiteral("UPDATE unititems set itemqty=? where ID=?"),
                                     {quantity, mainId});
        m_data.file(m_unit).exec(QStringLiteral("UPDATE tempunit set qty=?, linetotal=? where id=?"),
                                 {quantity, qlonglong(total.raw()), tempId});
    });
    return refusal;
}

bool UnitItemBuilder::removeComponent(qint32 tempId) {
    return m_data.Trap(builderSite("cmdDeleteItem_Click"), [&] {
        const QVariant mainId =
            m_data.ReadScalar(m_unit, QStringLiteral("select mainid from tempunit where id=?"), {tempId});
        if (mainId.toLongLong() != 0)
            m_data.file(m_cost).exec(QStringLiteral("delete from unititems where id=?"), {mainId});
        m_data.file(m_unit).exec(QStringLiteral("delete from tempunit where id=?"), {tempId});
    });
}

int UnitItemBuilder::maxLength(UnitField field) {
    switch (field) {
    case UnitField::Name:
        return 50;
    case UnitField::Category:
        return 15;
    case UnitField::Unit:
        return 10;
    case UnitField::Description:
        break;
    }
    return 255;
}

std::optional<QString> UnitItemBuilder::lengthProblem(UnitField field, const QString& text) {
    if (charCount(text) > maxLength(field))
        return unitHeaderTooLong(maxLength(field));
    return std::nullopt;
}

std::optional<UnitProblem> UnitItemBuilder::check(const UnitHeader& header) {
    if (isBlank(header.name))
        return UnitProblem{UnitField::Name, kMsgNameBlank};
    if (isBlank(header.unit))
        return UnitProblem{UnitField::Unit, kMsgUnitBlank};
    for (UnitField field : {UnitField::Name, UnitField::Category, UnitField::Unit, UnitField::Description}) {
        if (const auto problem = lengthProblem(field, textOf(header, field)))
            return UnitProblem{field, *problem};
    }
    return std::nullopt;
}

std::optional<qint32> UnitItemBuilder::save(const CostEditing& editing, const UnitHeader& header) {
    if (check(header))
        return std::nullopt;
    std::optional<qint32> unitId;
    m_data.Trap(builderSite("cmdSave_Click"), [&] {
        const ResultSet components =
            m_data.Read(m_unit, QStringLiteral("select mainid,itemid,qty from tempunit order by id"));
        Database& cost = m_data.file(m_cost);
        Transaction transaction(cost);
        // Category and unit make lists: stored without blanks at their ends, as cost items store theirs.
        const Params values{header.name, optionalText(trimBlanks(header.category)), trimBlanks(header.unit),
                            optionalText(header.description)};
        qint64 id = editing.currentId;
        if (editing.editing()) {
            cost.exec(QStringLiteral("UPDATE costunit set mlname=?, mlcat=?, mlunit=?, mldesc=? where ID=?"),
                      Params(values) << id);
        } else {
            cost.exec(QStringLiteral("insert into costunit(mlname,mlcat,mlunit,mldesc) values(?,?,?,?)"),
                      values);
            id = cost.lastInsertId();
        }
        for (const QVariantList& row : components.rows) {
            if (row.at(0).toLongLong() == 0)
                cost.exec(QStringLiteral("insert into unititems(matlaborid,itemid,itemqty) values(?,?,?)"),
                          {id, row.at(1), row.at(2)});
            else
                cost.exec(QStringLiteral("UPDATE unititems set matlaborid=?, itemid=?, itemqty=? where ID=?"),
                          {id, row.at(1), row.at(2), row.at(0)});
        }
        transaction.commit();
        unitId = qint32(id);
    });
    return unitId;
}

} // namespace qx
