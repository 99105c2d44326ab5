#include "../costs/CostsFixture.h"
#include "UserLocale.h"
#include "costs/CostItemEditor.h"
#include "costs/CostTexts.h"
#include "costs/PriceAge.h"
#include "data/DateText.h"
#include "data/InputRules.h"
#include "data/CsvWriter.h"
#include "data/FormulaGuard.h"
#include "pricelist/NumberForm.h"
#include "pricelist/PriceListExport.h"
#include "pricelist/PriceListImport.h"
#include "pricelist/PriceListTexts.h"

#include <QFile>
#include <QFileInfo>

using namespace qx;

namespace qxtest {

namespace {

// The records of a table as "row: a|b" texts (a long cell shortened to 20 characters), with " ! why"
// after a record that cannot be read.
QStringList recordTexts(const CsvTable& table) {
    QStringList out;
    for (const CsvTable::Record& record : table.records) {
        QStringList cells;
        for (const QString& field : record.fields)
            cells << shortened(field, 20);
        out << QStringLiteral("%1: %2").arg(record.row).arg(cells.join(u'|')) +
                   (record.problem.isEmpty() ? QString() : QStringLiteral(" ! ") + record.problem);
    }
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
        {"a NUL in utf-16 as in utf-8",
         QByteArray("\xFF\xFEN\0,\0P\0\n\0A\0\0\0,\0001\0", 18),
         {},
         {},
         kFileBinary},
        {"an unclosed quote refuses its row only",
         "Name,Price\nA,1\nB,\"2\nC,\"\"3\"\"\nD,4\n",
         "Name|Price",
         {"2: A|1", "3: B|\"2 ! " + kWhyQuoteOpen, "4: C|3\"\"", "5: D|4"},
         {}},
        {"a quote closed rows later with text after it",
         "Name,Price\n\"A,1\nB,2\n\"C\nD\",3\n",
         "Name|Price",
         {"2: \"A,1 ! " + kWhyQuoteOpen, "3: B|2", "4: C\nD|3"},
         {}},
        {"an unclosed quote in the header",
         "\"Name,Price\nA,1\n",
         {},
         {},
         fileHeaderUnreadable(kWhyQuoteOpen)},
        {"a cell beyond the limit",
         "Name,Price\n" + QByteArray(kMaxCellChars + 1, 'x') + ",1\nB,2\n",
         "Name|Price",
         {"2: " + QString(19, u'x') + QChar(0x2026) + "|1 ! " + whyCellsTooLarge(kMaxCellChars, kMaxCells),
          "3: B|2"},
         {}},
        {"a quoted cell beyond the limit",
         "Name,Price\n\"" + QByteArray(kMaxCellChars * 2, ',') + "\",1\nB,2\n",
         "Name|Price",
         {"2: " + QString(19, u',') + QChar(0x2026) + "|1 ! " + whyCellsTooLarge(kMaxCellChars, kMaxCells),
          "3: B|2"},
         {}},
        {"too many cells",
         "Name,Price\nA" + QByteArray(kMaxCells, ',') + "\nB,2\n",
         "Name|Price",
         {"2: A" + QString(kMaxCells - 1, u'|') + " ! " + whyCellsTooLarge(kMaxCellChars, kMaxCells),
          "3: B|2"},
         {}},
        {"emoji and invisible characters are kept",
         "Name,Price\n\xF0\x9F\x98\x80 Vent\xE2\x80\x8B,1\n",
         "Name|Price",
         {QStringLiteral("2: \U0001F600 Vent\u200B|1")},
         {}},
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

TEST(PriceListFile, TheNumberFormIsTheOneThePricesShow) {
    const std::optional<NumberForm> none;
    const struct {
        QStringList prices;
        std::optional<NumberForm> form;
        const char* ambiguous;
    } cases[] = {{{"44.5", "1,234.56", "7"}, NumberForm::Point, ""},
                 {{"1.234,56", "$3,5"}, NumberForm::Comma, ""},
                 {{"1.234", "12"}, none, "1.234"},
                 {{"'1,234", "1.234"}, none, "'1,234"},
                 {{"1.234", "2.5"}, NumberForm::Point, ""},
                 {{"1.234.567"}, NumberForm::Comma, ""},
                 {{"0.125", "1234.567"}, NumberForm::Point, ""},
                 {{"44.5", "3,5"}, none, ""},
                 {{"abc", ""}, none, ""}};
    for (const auto& c : cases) {
        QList<CsvTable::Record> records;
        for (const QString& price : c.prices)
            records.append({2, {QStringLiteral("x"), price}, {}});
        const NumberFormGuess guess = guessNumberForm(records, 1);
        EXPECT_EQ(guess.form, c.form) << c.prices.join(' ').toStdString();
        EXPECT_EQ(guess.ambiguous, QLatin1String(c.ambiguous)) << c.prices.join(' ').toStdString();
    }
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
        EXPECT_EQ(csvTextCell(QString::fromUtf8(c.text)), csvField(QString::fromUtf8(c.written))) << c.text;
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
    ImportPlan plan(const QByteArray& csv, const ImportOptions& options = {}) {
        const CsvRead read = readCsv(csv);
        EXPECT_TRUE(read.ok()) << read.problem.toStdString();
        return *PriceListImport(ctx->data, cost())
                    .preview(read.table, ColumnMapping::byHeader(read.table.header), options);
    }
    // Exports the cost database and reads the file back.
    ImportPlan roundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("prices.csv"));
        PriceListExport exporter(ctx->data, cost());
        EXPECT_TRUE(exporter.write(path)) << exporter.problem().toStdString();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return plan(file.readAll());
    }
    qint64 items() { return scalar(QStringLiteral("select count(*) from costitem")).toLongLong(); }
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
    // Stored before the editor trimmed them, shared names without a SKU, no amount, no category, an
    // emoji, a SKU two items share.
    exec(QStringLiteral(
        "insert into costitem(costtype,cat,costname,sku,unit,amount) values"
        "('Material','Vents','  Box vent ',' "
        "BV-1\u200B','ea',550000),('Material','Vents','Vent',null,'ea',1),"
        "('Material','Vents','Vent',null,'ea',2),('Material','Vents','Vent',null,'ea',null),"
        "('Material',null,'No category',null,'ea',3),('Material','Vents','Vent \U0001F600',null,'ea',4),"
        "('Labor','Crew','Crew A','C-1','hr',556740),('Labor','Crew','Crew B','C-1','hr',556740)"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prices.csv"));
    const auto written = PriceListExport(ctx->data, cost()).write(path);
    ASSERT_EQ(written, items());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = decodePriceList(file.readAll());
    EXPECT_TRUE(text.startsWith(PriceListExport::header() + "\r\n"));
    EXPECT_TRUE(text.contains(
        QStringLiteral(",Fee,Permits,'+Acme,,'=cmd|' /C calc'!A0,ea,\"line1\n\"\"two\"\", three\",1.2345,")));
    EXPECT_TRUE(text.contains(QStringLiteral(",Crew A,hr,,55.6740,")));

    for (const char* locale : {"en_US", "de_DE"}) {
        const UserLocale user(locale);
        EXPECT_EQ(roundTrip().summary(), importSummary(0, 0, int(items()), 0)) << locale;
    }
}

TEST_F(PriceListTest, TheShippedPriceListReadsBackUnchangedInGerman) {
    // Four of its prices have three decimals, "55.674" among them.
    const UserLocale german("de_DE");
    EXPECT_EQ(roundTrip().summary(), importSummary(0, 0, int(items()), 0));
}

TEST_F(PriceListTest, PricesAreReadInTheFormChosen) {
    const std::optional<NumberForm> file;
    const QString refused = refusedRowText(2, kWhyPrice);
    const struct {
        const char* locale;
        const char* price;
        std::optional<NumberForm> form;
        qint64 raw; // -1: refused
    } cases[] = {{"en_US", "1.234", NumberForm::Point, 12340},
                 {"en_US", "1.234", NumberForm::Comma, 12340000},
                 {"en_US", "1,234", NumberForm::Comma, 12340},
                 {"de_DE", "1,234", NumberForm::Point, 12340000},
                 {"en_US", "1.234,56", NumberForm::Comma, 12345600},
                 {"de_DE", "$1,234.56", NumberForm::Point, 12345600},
                 {"en_US", "1.234,56", NumberForm::Point, -1},
                 {"en_US", "1.234", file, 12340},
                 {"de_DE", "1.234", file, 12340000},
                 {"de_DE", "1,5", file, 15000},
                 {"en_US", "99999999999999999999", file, -1},
                 {"en_US", "1e5", file, -1},
                 {"en_US", "-1", file, -1},
                 {"en_US", "\xEF\xBC\x91\xEF\xBC\x92", file, 120000}};
    for (const auto& c : cases) {
        const UserLocale user(c.locale);
        const ImportPlan p =
            plan(QByteArray("Name,Price\nNew item,\"") + c.price + "\"\n", {c.form, "Imported"});
        const std::string what = std::string(c.locale) + " " + c.price;
        if (c.raw < 0) {
            EXPECT_EQ(p.refused, QStringList{refused}) << what;
            continue;
        }
        ASSERT_EQ(p.rows.size(), 1) << what;
        EXPECT_EQ(p.rows[0].price->raw(), c.raw) << what;
    }
}

TEST_F(PriceListTest, RowsFindTheirItemsByIdSkuAndName) {
    const struct {
        const char* what;
        QByteArray csv;
        const char* summary;
    } cases[] = {
        {"an ID whose item has another SKU than the row: the SKU decides",
         "ID,SKU,Name,Price\n2,GAF-HDZ-CHR,Timberline,44.50\n", "0 new, 1 changed, 0 unchanged, 0 refused"},
        {"an ID naming an item of another SKU matches nothing", "ID,SKU,Name,Price\n1,X-1,Other,5\n",
         "1 new, 0 changed, 0 unchanged, 0 refused"},
        {"an unknown ID", "ID,Name,Price\n999999,Other,5\n", "1 new, 0 changed, 0 unchanged, 0 refused"},
        {"a blank name keeps the item's", "SKU,Name,Price\nGAF-HDZ-CHR,,44.50\n",
         "0 new, 0 changed, 1 unchanged, 0 refused"},
        {"a blank price keeps the item's", "SKU,Name,Price\nGAF-HDZ-CHR,,\n",
         "0 new, 0 changed, 1 unchanged, 0 refused"},
        {"a new item needs a price", "Name,Price\nNew,\n", "0 new, 0 changed, 0 unchanged, 1 refused"},
        {"blanks around a SKU", "SKU,Price\n\" GAF-HDZ-CHR \",44.50\n",
         "0 new, 0 changed, 1 unchanged, 0 refused"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plan(c.csv).summary(), QLatin1String(c.summary)) << c.what;
}

TEST_F(PriceListTest, NewItemsWithoutACategoryGetTheOneChosen) {
    EXPECT_EQ(PriceListImport::categoryProblem(QStringLiteral(" \u200B")), kMsgCategoryBlank);
    EXPECT_EQ(PriceListImport::categoryProblem(QString(16, u'c')), tooLongMessage(15));
    EXPECT_EQ(PriceListImport::categoryProblem(QStringLiteral("Imported")), std::nullopt);
    for (const auto& [category, stored] :
         {std::pair{QStringLiteral("Imported"), "Imported"}, std::pair{QStringLiteral(" Vents "), "Vents"}}) {
        ASSERT_EQ(apply(plan("Name,Price,Category\nPlain,1,\nFiled,2,Fasteners\n", {std::nullopt, category})),
                  PriceListImport::Outcome::Done);
        EXPECT_EQ(rows(cost(), QStringLiteral("select cat from costitem where costname in ('Plain','Filed') "
                                              "order by costname desc")),
                  QStringList({QLatin1String(stored), "Fasteners"}));
        exec(QStringLiteral("delete from costitem where costname in ('Plain','Filed')"));
    }
    // The editor takes the imported item as it stands.
    apply(plan("Name,Price,Unit\nPlain,1,ea\n"));
    const qint32 id = scalar(QStringLiteral("select ID from costitem where costname='Plain'")).toInt();
    CostItemEditor editor(ctx->data, cost());
    EXPECT_EQ(CostItemEditor::check(*editor.load(id)), std::nullopt);
}

TEST_F(PriceListTest, AnExportTheImportWouldRefuseWritesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prices.csv"));
    exec(QStringLiteral("insert into costitem(costtype,cat,costname,unit,descrip,amount) "
                        "values('Material','Vents','Bad','ea',?,1)"),
         {QStringLiteral("Vent") + QChar(u'\0') + QStringLiteral("x")});
    const qint32 bad = scalar(QStringLiteral("select max(ID) from costitem")).toInt();
    PriceListExport exporter(ctx->data, cost());
    EXPECT_EQ(exporter.write(path), std::nullopt);
    EXPECT_EQ(exporter.problem(), exportItemUnreadable(bad, kMaxCellChars));
    EXPECT_FALSE(QFile::exists(path));
    exec(QStringLiteral("delete from costitem where ID=?"), {bad});
    EXPECT_FALSE(csvCellReadable(QString(kMaxCellChars + 1, u'd')));

    // The largest export the import still reads: items whose texts fill their columns with emoji (four
    // bytes each), up to the byte the file may hold.
    const QString name = QStringLiteral("\U0001F600").repeated(50);
    const QString description = QStringLiteral("\U0001F600").repeated(255);
    qint64 size = exporter.text()->toUtf8().size() + 3; // and the byte-order mark
    qint64 id = scalar(QStringLiteral("select max(ID) from costitem")).toLongLong();
    const auto fillerSize = [&](qint64 key) {
        return (QString::number(key) + QStringLiteral(",Material,Vents,,,") + name + QStringLiteral(",ea,") +
                description + QStringLiteral(",1.00,\r\n"))
            .toUtf8()
            .size();
    };
    {
        Transaction transaction(ctx->data.file(cost()));
        for (; size + fillerSize(id + 1) <= kMaxPriceListBytes; size += fillerSize(++id))
            exec(QStringLiteral("insert into costitem(ID,costtype,cat,costname,unit,descrip,amount) "
                                "values(?,'Material','Vents',?,'ea',?,10000)"),
                 {id + 1, name, description});
        transaction.commit();
    }
    ASSERT_TRUE(exporter.write(path)) << exporter.problem().toStdString();
    EXPECT_EQ(QFileInfo(path).size(), size);
    EXPECT_TRUE(readCsvFile(path).ok());
    exec(QStringLiteral("insert into costitem(costtype,cat,costname,unit,descrip,amount) "
                        "values('Material','Vents',?,'ea',?,1)"),
         {name, description});
    EXPECT_EQ(exporter.write(path), std::nullopt);
    EXPECT_EQ(exporter.problem(), exportTooLarge(kMaxPriceListBytes));
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
    // Saved without the blanks at their ends, as a price list row matches them.
    CostItemFields blanks = *editor.load(1);
    blanks.name = QStringLiteral(" Timberline\u200B ");
    blanks.sku = QStringLiteral("\tGAF-1 ");
    ASSERT_TRUE(editor.save({CostEditing::Mode::Edit, 1}, blanks));
    EXPECT_EQ(rows(cost(), QStringLiteral("select costname, sku from costitem where ID=1")),
              QStringList{"Timberline | GAF-1"});
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
