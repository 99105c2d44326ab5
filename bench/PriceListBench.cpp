// A catalogue of 50,000 materials in 50 categories:
//   picker_50000  the item picker opened (every tab filled, the material tab shown) and its material tab
//                 narrowed to one category, against bare SQLite reading the material rows and then that
//                 category's rows from the same keyed cost database;
//   import_50000  a supplier's 50,000-row file read, matched against the cost database and imported,
//                 against bare SQLite inserting the same rows with one prepared statement in one
//                 transaction into a keyed cost database of its own.
#include "Contest.h"
#include "data/AppContext.h"
#include "data/DateText.h"
#include "data/ProgramLayout.h"
#include "data/ScriptedPrompter.h"
#include "lines/PendingLine.h"
#include "lines/frmPickItem.h"
#include "pricelist/PriceListImport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <sqlcipher/sqlite3.h>

namespace {

constexpr int kCategories = 50;
const char* const kFilteredCategory = "Category 17";

QString categoryOf(int i) {
    return QStringLiteral("Category %1").arg(i % kCategories);
}
QString nameOf(int i) {
    return QStringLiteral("Architectural shingle %1").arg(i);
}
QString skuOf(int i) {
    return QStringLiteral("SKU-%1").arg(i, 6, 10, QChar(u'0'));
}
qint64 amountOf(int i) {
    return 100000 + (i * 7919) % 900000;
}

// A program folder laid out as a new install.
struct Folder {
    QTemporaryDir dir;
    qx::ScriptedPrompter prompter;
    std::unique_ptr<qx::AppContext> ctx;

    Folder() {
        const qx::ProgramFolder folder(dir.path() + "/program");
        qx::layOutProgramFolder(folder);
        ctx = std::make_unique<qx::AppContext>(folder.root(), prompter, dir.path() + "/config");
        qx::writeDefaultSettings(ctx->settings);
    }
    qx::SqlFile& cost() { return ctx->data.local(ctx->conns.sCostConn); }

    // A raw handle on the cost database, keyed and synced like the program's.
    sqlite3* openRaw() const {
        sqlite3* db = nullptr;
        sqlite3_open(qPrintable(ctx->conns.sCostConn.path), &db);
        const QByteArray key = ctx->conns.sCostConn.password.toUtf8();
        sqlite3_key(db, key.constData(), int(key.size()));
        sqlite3_exec(db, "PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);
        return db;
    }
};

// ---- The picker

class PickerSides : public qxbench::Sides {
public:
    explicit PickerSides(int count) {
        qx::SqlFile& cost = m_folder.cost();
        qx::Transaction transaction(cost);
        for (int i = 0; i < count; ++i)
            cost.exec(
                "insert into costitem(costtype,cat,costname,manufacturer,sku,unit,descrip,amount,pricedate) "
                "values('Material',?,?,'GAF',?,'bdl','Laminated, 3 bundles per square',?,'2026-01-15')",
                {categoryOf(i), nameOf(i), skuOf(i), amountOf(i)});
        transaction.commit();
        m_db = m_folder.openRaw();
    }
    ~PickerSides() override { sqlite3_close(m_db); }

    bool program(qxbench::Stopwatch& watch) override {
        qx::PendingLine pending;
        qx::frmPickItem picker(*m_folder.ctx, pending);
        picker.show();
        QApplication::processEvents();
        auto* category = picker.findChild<QComboBox*>(QStringLiteral("cmbCategory"));
        const int index = category ? category->findText(QLatin1String(kFilteredCategory)) : -1;
        if (index < 0)
            return false;
        category->setCurrentIndex(index);
        QApplication::processEvents();
        // Closing the picker is not part of opening and filtering it.
        watch.stop();
        return true;
    }
    bool baseline(qxbench::Stopwatch&) override {
        return readRows("select ID,Cat,CostName,manufacturer,sku,Unit,Descrip,Amount,pricedate from costitem "
                        "where costtype='Material' order by cat,costname,manufacturer asc",
                        nullptr) &&
               readRows("select ID,Cat,CostName,manufacturer,sku,Unit,Descrip,Amount,pricedate from costitem "
                        "where costtype='Material' and cat=? order by cat,costname,manufacturer asc",
                        kFilteredCategory);
    }

private:
    bool readRows(const char* sql, const char* category) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            return false;
        if (category)
            sqlite3_bind_text(stmt, 1, category, -1, SQLITE_STATIC);
        qint64 sum = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int column = 0; column < 9; ++column)
                sum += sqlite3_column_bytes(stmt, column);
            sum += sqlite3_column_int64(stmt, 7);
        }
        sqlite3_finalize(stmt);
        return sum > 0;
    }

    Folder m_folder;
    sqlite3* m_db = nullptr;
};

// ---- The import

class ImportSides : public qxbench::Sides {
public:
    explicit ImportSides(int count)
        : m_count(count) {
        QByteArray csv("SKU,Name,Manufacturer,Category,Unit,Price\r\n");
        for (int i = 0; i < count; ++i)
            csv += QStringLiteral("%1,%2,GAF,%3,bdl,%4\r\n")
                       .arg(skuOf(i), nameOf(i), categoryOf(i), qx::Money::fromRaw(amountOf(i)).toPlain(2))
                       .toUtf8();
        m_file = m_ours.dir.path() + "/prices.csv";
        QFile file(m_file);
        file.open(QIODevice::WriteOnly);
        file.write(csv);
        file.close();
        m_firstNew = m_ours.cost().scalar("select max(ID) from costitem").toLongLong();
        m_theirsFirstNew = m_theirs.cost().scalar("select max(ID) from costitem").toLongLong();
        m_theirs.ctx->pool.closeAll();
        m_db = m_theirs.openRaw();
    }
    ~ImportSides() override { sqlite3_close(m_db); }

    void beforeProgram() override { m_ours.cost().exec("delete from costitem where ID > ?", {m_firstNew}); }
    bool program(qxbench::Stopwatch&) override {
        const qx::CsvRead read = qx::readCsvFile(m_file);
        if (!read.ok())
            return false;
        qx::PriceListImport import(m_ours.ctx->data, m_ours.ctx->conns.sCostConn);
        const auto plan = import.preview(read.table, qx::ColumnMapping::byHeader(read.table.header));
        return plan && plan->added == m_count &&
               import.apply(*plan, QStringLiteral("Material"), QDate::currentDate()) ==
                   qx::PriceListImport::Outcome::Done;
    }
    void beforeBaseline() override {
        const QByteArray sql = "delete from costitem where ID > " + QByteArray::number(m_theirsFirstNew);
        sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr);
    }
    bool baseline(qxbench::Stopwatch&) override {
        const QByteArray today = qx::storedDate(QDate::currentDate()).toUtf8();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(
            m_db,
            "insert into costitem(costtype,cat,manufacturer,sku,costname,unit,amount,pricedate) "
            "values('Material',?,'GAF',?,?,'bdl',?,?)",
            -1, &stmt, nullptr);
        for (int i = 0; i < m_count; ++i) {
            const QByteArray category = categoryOf(i).toUtf8();
            const QByteArray sku = skuOf(i).toUtf8();
            const QByteArray name = nameOf(i).toUtf8();
            sqlite3_bind_text(stmt, 1, category.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 2, sku.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 3, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_int64(stmt, 4, amountOf(i));
            sqlite3_bind_text(stmt, 5, today.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_finalize(stmt);
        return sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    }

private:
    const int m_count;
    Folder m_ours;
    Folder m_theirs;
    QString m_file;
    qint64 m_firstNew = 0;
    qint64 m_theirsFirstNew = 0;
    sqlite3* m_db = nullptr;
};

const bool kPickerContest = qxbench::contest("BM_PickerOpen", "BM_PickerBaseline", {5000, 50000}, 21,
                                             [](int count) { return std::make_unique<PickerSides>(count); });
const bool kImportContest = qxbench::contest("BM_PriceListImport", "BM_PriceListImportBaseline", {50000}, 21,
                                             [](int count) { return std::make_unique<ImportSides>(count); });

} // namespace
