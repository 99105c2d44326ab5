#include "takeoff/PlanStore.h"

#include "data/Catalogue.h"
#include "data/RowCopy.h"
#include "data/SqlFile.h"
#include "data/TableInfo.h"

namespace qx {

namespace {

const QString kPlan = QStringLiteral("Plan");

QString marks(qsizetype count) {
    QStringList list;
    for (qsizetype i = 0; i < count; ++i)
        list << QStringLiteral("?");
    return list.join(QLatin1Char(','));
}

// "insert into T(a,b,c)values(?,?,?)" for the columns of a plan table (the stored name's columns).
QString insertInto(const QString& table, const QStringList& columns) {
    return QStringLiteral("insert into %1(%2)values(%3)")
        .arg(table, columns.join(QLatin1Char(',')), marks(columns.size()));
}

// The rows of a plan table in the order they were written: a file keeps that order in its rowids; a
// schema on the office server is read in the order of its columns, which keeps every row's place among
// its kind (corners by ID, a facet's corners by their sequence).
QString selectFrom(Database& db, const QString& table, const QStringList& columns) {
    const QString order =
        db.engine() == Database::Engine::SQLite ? QStringLiteral("rowid") : columns.join(QLatin1Char(','));
    return QStringLiteral("select %1 from %2 order by %3").arg(columns.join(QLatin1Char(',')), table, order);
}

// The plan's tables but its one Plan row, which is handled by itself.
QStringList partTables() {
    QStringList tables = planTables();
    tables.removeAll(kPlan);
    return tables;
}

// Every row of `from`'s table into `to`'s table after emptying it.
void replaceRows(Database& from, const QString& source, Database& to, const QString& target,
                 const QStringList& columns) {
    to.exec(QStringLiteral("delete from %1").arg(target));
    copyRows(from, to, selectFrom(from, source, columns), insertInto(target, columns));
}

// The columns of a plan table that a file made by an earlier build holds.
QStringList storedColumns(Database& file, const QString& table) {
    const QStringList present = tableColumns(file, table);
    QStringList columns = columnNames(table);
    columns.removeIf([&](const QString& c) { return !present.contains(c, Qt::CaseInsensitive); });
    return columns;
}

} // namespace

PlanStore::PlanStore(DataAccess& data, const Conn& working)
    : m_data(data)
    , m_working(working) {}

RoofPlan PlanStore::load() {
    RoofPlan plan;
    const ResultSet head = m_data.Read(
        m_working, QStringLiteral("select FileName,Image,Sha256,Page from %1").arg(workingTable(kPlan)));
    if (head.isEmpty())
        return plan;
    plan.image = {head.at(0, 0).toString(), head.at(0, 1).toByteArray(), head.at(0, 2).toString()};
    plan.page = qint32(head.at(0, 3).toLongLong());

    const auto read = [&](const char* table, const char* columns) {
        return m_data.Read(m_working, QStringLiteral("select %1 from %2 order by rowid")
                                          .arg(QLatin1String(columns), workingTable(QLatin1String(table))));
    };
    for (const QVariantList& r : read("PlanScales", "Page,X1,Y1,X2,Y2,Feet").rows)
        plan.scales << PlanScale{qint32(r[0].toLongLong()),
                                 {r[1].toDouble(), r[2].toDouble()},
                                 {r[3].toDouble(), r[4].toDouble()},
                                 r[5].toDouble()};
    for (const QVariantList& r : read("PlanCorners", "ID,Page,X,Y").rows)
        plan.corners << PlanCorner{
            qint32(r[0].toLongLong()), qint32(r[1].toLongLong()), {r[2].toDouble(), r[3].toDouble()}};
    for (const QVariantList& r : read("PlanFacets", "ID,Page,Pitch,Eave").rows)
        plan.facets << PlanFacet{qint32(r[0].toLongLong()),
                                 qint32(r[1].toLongLong()),
                                 {},
                                 qint32(r[2].toLongLong()),
                                 qint32(r[3].toLongLong())};
    const ResultSet corners =
        m_data.Read(m_working, QStringLiteral("select FacetID,CornerID from %1 order by FacetID,Seq")
                                   .arg(workingTable(QStringLiteral("PlanFacetCorners"))));
    for (const QVariantList& r : corners.rows) {
        for (PlanFacet& f : plan.facets) {
            if (f.id == r[0].toLongLong())
                f.corners << qint32(r[1].toLongLong());
        }
    }
    for (const QVariantList& r : read("PlanEdges", "Corner1,Corner2,Class").rows) {
        const qint64 cls = r[2].toLongLong();
        if (cls >= 0 && cls < kEdgeClassCount)
            plan.chosenClasses.insert(EdgeKey::of(qint32(r[0].toLongLong()), qint32(r[1].toLongLong())),
                                      EdgeClass(cls));
    }
    return plan;
}

void PlanStore::store(const RoofPlan& plan) {
    SqlFile& file = m_data.local(m_working);
    Transaction transaction(file);
    const QString head = workingTable(kPlan);
    if (plan.isEmpty()) {
        file.exec(QStringLiteral("delete from %1").arg(head));
    } else if (file.scalar(QStringLiteral("select Sha256 from %1").arg(head)).toString() ==
               plan.image.sha256) {
        file.exec(QStringLiteral("update %1 set FileName=?,Page=?").arg(head),
                  {plan.image.fileName, plan.page});
    } else {
        file.exec(QStringLiteral("delete from %1").arg(head));
        file.exec(
            QStringLiteral("insert into %1(FileName,Image,Sha256,Page,CapID,StarterID)values(?,?,?,?,0,0)")
                .arg(head),
            {plan.image.fileName, plan.image.bytes, plan.image.sha256, plan.page});
    }
    for (const QString& table : partTables())
        file.exec(QStringLiteral("delete from %1").arg(workingTable(table)));
    const auto insert = [&](const char* table, const char* columns, const Params& values) {
        file.exec(insertInto(workingTable(QLatin1String(table)), QString::fromLatin1(columns).split(u',')),
                  values);
    };
    for (const PlanScale& s : plan.scales)
        insert("PlanScales", "Page,X1,Y1,X2,Y2,Feet",
               {s.page, s.from.x(), s.from.y(), s.to.x(), s.to.y(), s.feet});
    for (const PlanCorner& c : plan.corners)
        insert("PlanCorners", "ID,Page,X,Y", {c.id, c.page, c.at.x(), c.at.y()});
    for (const PlanFacet& f : plan.facets) {
        insert("PlanFacets", "ID,Page,Pitch,Eave", {f.id, f.page, f.pitch, f.eave});
        for (qsizetype i = 0; i < f.corners.size(); ++i)
            insert("PlanFacetCorners", "FacetID,Seq,CornerID", {f.id, qint32(i), f.corners[i]});
    }
    for (auto it = plan.chosenClasses.cbegin(); it != plan.chosenClasses.cend(); ++it)
        insert("PlanEdges", "Corner1,Corner2,Class", {it.key().a, it.key().b, qint32(it.value())});
    transaction.commit();
}

std::pair<qint32, qint32> PlanStore::madeItems() {
    const ResultSet row =
        m_data.Read(m_working, QStringLiteral("select CapID,StarterID from %1").arg(workingTable(kPlan)));
    if (row.isEmpty())
        return {0, 0};
    return {qint32(row.at(0, 0).toLongLong()), qint32(row.at(0, 1).toLongLong())};
}

void PlanStore::setMadeItems(qint32 cap, qint32 starter) {
    m_data.file(m_working).exec(QStringLiteral("update %1 set CapID=?,StarterID=?").arg(workingTable(kPlan)),
                                {cap, starter});
}

qint32 PlanStore::madeWaste() {
    return qint32(
        m_data.ReadScalar(m_working, QStringLiteral("select WasteID from %1").arg(workingTable(kPlan)))
            .toLongLong());
}

void PlanStore::setMadeWaste(qint32 waste) {
    m_data.file(m_working).exec(QStringLiteral("update %1 set WasteID=?").arg(workingTable(kPlan)), {waste});
}

void SavePlan(DataAccess& data, const Conn& working, const Conn& estimate) {
    SqlFile& work = data.local(working);
    Database& file = data.file(estimate);
    Transaction transaction(file);
    for (const QString& table : planTables()) {
        if (!hasTable(file, table))
            createTable(file, table);
    }
    if (storedColumns(file, kPlan) != columnNames(kPlan))
        addMissingColumns(file, DatabaseKind::EstimateFile);
    for (const QString& table : partTables())
        replaceRows(work, workingTable(table), file, table, columnNames(table));

    const ResultSet head =
        work.query(QStringLiteral("select Sha256,FileName,Page,"
                                  "(select LinealID from TempLineal where ID=CapID),"
                                  "(select LinealID from TempLineal where ID=StarterID),"
                                  "(select LinealID from TempLineal where ID=WasteID) from TempPlan"));
    if (head.isEmpty()) {
        file.exec(QStringLiteral("delete from Plan"));
    } else {
        // The image is the bulk of a plan: it is copied only when it is another one.
        if (file.scalar(QStringLiteral("select Sha256 from Plan")).toString() != head.at(0, 0).toString()) {
            file.exec(QStringLiteral("delete from Plan"));
            copyRows(work, file, QStringLiteral("select FileName,Image,Sha256,Page from TempPlan"),
                     QStringLiteral("insert into Plan(FileName,Image,Sha256,Page)values(?,?,?,?)"));
        }
        file.exec(QStringLiteral("update Plan set FileName=?,Page=?,CapID=?,StarterID=?,WasteID=?"),
                  {head.at(0, 1), head.at(0, 2), head.at(0, 3).toLongLong(), head.at(0, 4).toLongLong(),
                   head.at(0, 5).toLongLong()});
    }
    transaction.commit();
}

void OpenPlan(DataAccess& data, const Conn& estimate, const Conn& working) {
    Database& file = data.file(estimate);
    // Without a plan the working plan tables stay as the opening made them: empty.
    if (!hasTable(file, kPlan) || file.scalar(QStringLiteral("select count(*) from Plan")).toLongLong() == 0)
        return;
    SqlFile& work = data.local(working);
    Transaction transaction(work);
    for (const QString& table : planTables())
        replaceRows(file, table, work, workingTable(table), storedColumns(file, table));
    // The made items by the working IDs their lineal rows got now.
    work.exec(QStringLiteral(
        "update TempPlan set "
        "CapID=coalesce((select ID from TempLineal where CapID<>0 and LinealID=CapID),0),"
        "StarterID=coalesce((select ID from TempLineal where StarterID<>0 and "
        "LinealID=StarterID),0),"
        "WasteID=coalesce((select ID from TempLineal where WasteID<>0 and LinealID=WasteID),0)"));
    transaction.commit();
}

} // namespace qx
