#include "../costs/CostsFixture.h"
#include "costs/CostItemEditor.h"
#include "costs/PriceAge.h"
#include "data/DateText.h"
#include "pricelist/FormulaGuard.h"
#include "pricelist/PriceListExport.h"
#include "pricelist/PriceListImport.h"
#include "pricelist/PriceListTexts.h"

#include <QFile>

using namespace qx;

namespace qxtest {

namespace {

// The records of a table as "row: a|b" texts.
QStringList recordTexts(const CsvTable& table) {
    QStringList out;
    for (const CsvTable::Record& record : table.records)
        out << QStringLiteral("%1: %2").arg(record.row).arg(record.fields.join(u'|'));
    return out;
}

} // namespace

TEST(PriceListFile, ReadsTheFilesSuppliersSend) {
    const struct {
        const char* what;
        QByteArray bytes;
        QString header;
        QStringList records;
        QString problem;
    } cases[] = {
        {"utf-8 with a byte-order mark",
         "\xEF\xBB\xBFName,Price\r\nCaf\xC3\xA9,1\r\n",
         "Name|Price",
         {"2: Café|1"},
         {}},
        {"windows-1252", "Name,Price\nCaf\xE9 \x80,1\n", "Name|Price", {"2: Café €|1"}, {}},
        {"utf-16 with its byte-order mark",
         QByteArray("\xFF\xFEN\0,\0P\0\n\0\xE9\0,\0001\0", 16),
         "N|P",
         {"2: é|1"},
         {}},
        {"semicolons", "Name;Price;Unit\nA, B;1,5;ea", "Name|Price|Unit", {"2: A, B|1,5|ea"}, {}},
        {"quotes and line breaks",
         "Name,Price\n\"Cap \"\"12\"\"\nlong\",2\nNext,3\n",
         "Name|Price",
         {"2: Cap \"12\"\nlong|2", "3: Next|3"},
         {}},
        {"blank lines keep the row numbers", "Name,Price\n\n,\nA,1\n", "Name|Price", {"4: A|1"}, {}},
        {"empty", "", {}, {}, kFileEmpty},
        {"blanks only", " \r\n\t", {}, {}, kFileEmpty},
        {"header only", "Name,Price\r\n", "Name|Price", {}, kFileNoRows},
        {"binary", QByteArray("PK\x03\x04\0\0\x08", 7), {}, {}, kFileBinary},
    };
    for (const auto& c : cases) {
        const CsvRead read = readCsv(c.bytes);
        EXPECT_EQ(read.problem, c.problem) << c.what;
        if (!c.header.isEmpty()) {
            EXPECT_EQ(read.table.header.join(u'|'), c.header) << c.what;
        }
        EXPECT_EQ(recordTexts(read.table), c.records) << c.what;
    }
}

TEST(PriceListFile, ColumnsAreOfferedByTheirHeadersAndChosenByName) {
    const QStringList header{" price ", "", QString(10000, u'x'), "SKU", "Name", "name"};
    const QStringList choices = columnChoices(header);
    EXPECT_EQ(choices.mid(0, 3), QStringList({"(none)", "price", "Column 2"}));
    EXPECT_EQ(choices[3], QString(39, u'x') + QChar(0x2026));
    const ColumnMapping mapping = ColumnMapping::byHeader(header);
    EXPECT_EQ(mapping.of(PriceField::Price), 0);
    EXPECT_EQ(mapping.of(PriceField::Sku), 3);
    EXPECT_EQ(mapping.of(PriceField::Name), 4);
    EXPECT_EQ(mapping.of(PriceField::Unit), -1);
    EXPECT_EQ(mappingProblem(mapping), std::nullopt);
    EXPECT_EQ(mappingProblem(ColumnMapping::byHeader({"SKU", "Price"})), kWhyNoNameColumn);
}

TEST(PriceListFile, AFileBeyondTheLimitIsRefusedUnread) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray line = QByteArray("Name,Price\n") + QByteArray(1024 * 1024 - 11, 'x');
    for (int mb = 0; mb < 100; ++mb)
        file.write(line);
    file.close();
    EXPECT_EQ(readCsvFile(path).problem, fileTooLarge(kMaxPriceListBytes));
}

TEST(PriceListFile, TextsASpreadsheetWouldRunAreGuardedBothWays) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {{"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
                 {"+1", "'+1"},
                 {"-2 ft", "'-2 ft"},
                 {"@SUM(A1)", "'@SUM(A1)"},
                 {"\tx", "'\tx"},
                 {"'quoted", "''quoted"},
                 {"'=x", "''=x"},
                 {"Ridge 2-pc", "Ridge 2-pc"},
                 {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(guardFormula(QString::fromUtf8(c.text)), QString::fromUtf8(c.written)) << c.text;
        EXPECT_EQ(unguardFormula(QString::fromUtf8(c.written)), QString::fromUtf8(c.text)) << c.text;
    }
    EXPECT_EQ(unguardFormula(QStringLiteral("'plain")), QStringLiteral("'plain"));
}

TEST(PriceListChange, IsThePercentToTwoDecimals) {
    const struct {
        qint64 oldRaw, newRaw;
        const char* text;
    } cases[] = {{445000, 472813, "+6.25%"},
                 {100000, 96900, "-3.10%"},
                 {100000, 100000, "0.00%"},
                 {30000, 10000, "-66.67%"},
                 {0, 10000, ""},
                 {1, 999999999999, "+99999999999800.00%"}};
    for (const auto& c : cases)
        EXPECT_EQ(PriceListImport::percentChange(Money::fromRaw(c.oldRaw), Money::fromRaw(c.newRaw)), c.text)
            << c.oldRaw << " " << c.newRaw;
}

class PriceListTest : public CostsTest {
protected:
    ImportPlan plan(const QByteArray& csv) {
        const CsvRead read = readCsv(csv);
        EXPECT_TRUE(read.ok()) << read.problem.toStdString();
        return *PriceListImport(ctx->data, cost())
                    .preview(read.table, ColumnMapping::byHeader(read.table.header));
    }
    PriceListImport::Outcome apply(const ImportPlan& p, const PriceListImport::Progress& progress = {}) {
        return PriceListImport(ctx->data, cost())
            .apply(p, QStringLiteral("Material"), QDate::currentDate(), progress);
    }
    QString today() const { return storedDate(QDate::currentDate()); }
};

TEST_F(PriceListTest, ThreeRowsImportOneNewOneChangedAndRefuseOne) {
    const ImportPlan p = plan("sku,NAME,Price,Unit\n"
                              "GAF-HDZ-CHR,Timberline HDZ Architectural Shingle,47.2813,bdl\n"
                              "NEW-1,Drip edge 10ft,\"1,234.50\",pc\n"
                              "X-9,Vent,abc,ea\n");
    EXPECT_EQ(p.summary(), "1 new, 1 changed, 0 unchanged, 1 refused");
    EXPECT_EQ(p.refused, QStringList{refusedRowText(4, kWhyPrice)});
    const qint64 before = scalar(QStringLiteral("select count(*) from costitem")).toLongLong();
    ASSERT_EQ(apply(p), PriceListImport::Outcome::Done);
    EXPECT_EQ(rows(cost(), QStringLiteral("select amount, pricedate from costitem where sku='GAF-HDZ-CHR'")),
              QStringList{"472813 | " + today()});
    EXPECT_EQ(rows(cost(), QStringLiteral("select costtype, costname, unit, amount, pricedate from costitem "
                                          "where sku='NEW-1'")),
              QStringList{"Material | Drip edge 10ft | pc | 12345000 | " + today()});
    EXPECT_EQ(scalar(QStringLiteral("select count(*) from costitem")).toLongLong(), before + 1);
    const QList<PriceChange> changes = PriceListImport::changes(p);
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0].change, "+6.25%");
    EXPECT_EQ(changes[0].oldPrice, "$44.50");
}

TEST_F(PriceListTest, RowsThatCannotBeStoredAreRefusedWithTheirReason) {
    const QString longName(10000, u'n');
    const ImportPlan p = plan(("Name,SKU,Price,Category\n"
                               " ,S-1,1,Vents\n"
                               "Minus,S-2,-1,Vents\n" +
                               longName +
                               ",S-3,1,Vents\n"
                               "Twice,S-4,1,Vents\n"
                               "Twice again,s-4,2,Vents\n"
                               "Cat,S-5,1,A category too long\n"
                               "Vent,,3,Vents\n"
                               "vent,,4,Vents\n")
                                  .toUtf8());
    EXPECT_EQ(
        p.refused,
        QStringList({refusedRowText(2, kWhyNoName), refusedRowText(3, kWhyPrice),
                     refusedRowText(4, whyTooLong("name", 50)), refusedRowText(5, whySkuTwice("S-4")),
                     refusedRowText(6, whySkuTwice("s-4")), refusedRowText(7, whyTooLong("category", 15)),
                     refusedRowText(9, whyItemTwice())}));
    EXPECT_EQ(p.added, 1);
}

TEST_F(PriceListTest, AnExportReadBackChangesNothingFormulasIncluded) {
    exec(QStringLiteral(
        "insert into costitem(costtype,cat,costname,manufacturer,descrip,unit,amount) "
        "values('Fee','Permits','=cmd|'' /C calc''!A0','+Acme','line1\n\"two\", three','ea',12345)"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prices.csv"));
    const auto written = PriceListExport(ctx->data, cost()).write(path);
    const int items = scalar(QStringLiteral("select count(*) from costitem")).toInt();
    ASSERT_EQ(written, items);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = decodePriceList(file.readAll());
    EXPECT_TRUE(text.startsWith(PriceListExport::header() + "\r\n"));
    EXPECT_TRUE(text.contains(
        QStringLiteral("Fee,Permits,'+Acme,,'=cmd|' /C calc'!A0,ea,\"line1\n\"\"two\"\", three\",1.2345,")));

    const CsvRead read = readCsvFile(path);
    ASSERT_TRUE(read.ok());
    const ImportPlan p =
        *PriceListImport(ctx->data, cost()).preview(read.table, ColumnMapping::byHeader(read.table.header));
    EXPECT_EQ(p.summary(), importSummary(0, 0, items, 0));
}

TEST_F(PriceListTest, ACancelledImportLeavesTheDatabaseAsItWas) {
    const QString before =
        rows(cost(), QStringLiteral("select count(*), sum(amount) from costitem")).join(',');
    QByteArray csv("Name,Price\n");
    for (int i = 0; i < 2000; ++i)
        csv += "Item " + QByteArray::number(i) + ",1\n";
    const ImportPlan p = plan(csv);
    int calls = 0;
    EXPECT_EQ(apply(p, [&](int, int) { return ++calls < 3; }), PriceListImport::Outcome::Cancelled);
    EXPECT_EQ(rows(cost(), QStringLiteral("select count(*), sum(amount) from costitem")).join(','), before);
}

TEST_F(PriceListTest, SavingAnAmountDatesItAndKeepingItKeepsTheDate) {
    exec(QStringLiteral("update costitem set pricedate='2020-01-02' where id in (1, 2)"));
    CostItemEditor editor(ctx->data, cost());
    for (const auto& [id, amount, date] :
         {std::tuple{1, "44.5", QStringLiteral("2020-01-02")}, std::tuple{2, "50", today()}}) {
        CostItemFields fields = *editor.load(id);
        fields.amount = QLatin1String(amount);
        ASSERT_TRUE(editor.save({CostEditing::Mode::Edit, id}, fields));
        EXPECT_EQ(scalar(QStringLiteral("select pricedate from costitem where id=?"), {id}).toString(), date)
            << id;
    }
}

TEST_F(PriceListTest, LinesWithOldPricesAreCounted) {
    ctx->working.CreateTempDB();
    const QDate today(2026, 6, 30);
    exec(QStringLiteral("update costitem set pricedate=null"));
    exec(QStringLiteral("update costitem set pricedate='2026-03-01' where id=1"));
    exec(QStringLiteral("update costitem set pricedate='2026-04-01' where id=2"));
    const qint32 unit = [&] {
        exec(QStringLiteral("insert into costunit(mlname,mlunit) values('Tear-off','sq')"));
        const auto key = qint32(ctx->data.file(cost()).lastInsertId());
        exec(QStringLiteral("insert into unititems(matlaborid,itemid,itemqty) values(?,1,1)"), {key});
        return key;
    }();
    const struct {
        qint32 item;
        const char* tag;
    } lines[] = {{1, "Material"}, {2, "material"}, {3, "Material"}, {unit, "Unit_Item"}};
    int key = 0;
    for (const auto& line : lines)
        ctx->working.AddTpLineItem(++key, line.item, "Roof", 0, "x", QLatin1String(line.tag), 1, "ea",
                                   Money(), Money());
    const struct {
        int days;
        int stale;
        const char* note;
    } cases[] = {{90, 2, "2 lines use prices older than 90 days"},
                 {60, 3, "3 lines use prices older than 60 days"},
                 {130, 0, ""}};
    for (const auto& c : cases) {
        const int stale = PriceAge::staleLines(*ctx, c.days, today);
        EXPECT_EQ(stale, c.stale) << c.days;
        EXPECT_EQ(PriceAge::note(stale, c.days), c.note);
    }
    EXPECT_EQ(PriceAge::note(1, 90), "1 line uses prices older than 90 days");
}

} // namespace qxtest
