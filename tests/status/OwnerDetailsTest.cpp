#include "status/OwnerDetails.h"
#include "StatusFixture.h"
#include "status/StatusTexts.h"

using namespace qx;

namespace qxtest {

namespace {
const std::array<QString, 7> kStored = {"John",         "Smith", "12 Elm St", "Anytown, MT 54321",
                                        "406/555-1234", "",      ""};
} // namespace

class OwnerDetailsTest : public StatusTest {
protected:
    QStringList owner(const QString& name) {
        return rows(estimateFile(name), "select fname,lname,address,citystzip,homeph,workph,ext from main");
    }
};

TEST_F(OwnerDetailsTest, LoadsTheNameFromTheRegisterAndTheOwnerFromTheEstimateFile) {
    makeEstimate("Lee", "Barn");
    const qint32 id = makeEstimate("Smith", "Garage");
    OwnerDetails details(*ctx, id);
    const OwnerRecord record = details.load();
    EXPECT_EQ(record.estName, "SmithGarage");
    EXPECT_EQ(record.names, kStored);
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(OwnerDetailsTest, AFieldThatHoldsNoValueShowsEmpty) {
    const qint32 id = makeEstimate("Smith", "Garage");
    ctx->data.file(estimateFile("SmithGarage")).exec("update main set workph=NULL, ext=NULL, homeph=NULL");
    const OwnerRecord record = OwnerDetails(*ctx, id).load();
    EXPECT_EQ(record.names[1], "Smith");
    EXPECT_TRUE(record.names[4].isEmpty() && record.names[5].isEmpty() && record.names[6].isEmpty());
}

TEST_F(OwnerDetailsTest, UpdateWritesTheOwnerRowAndTheRegistersAddress) {
    const qint32 other = makeEstimate("Lee", "Barn");
    const qint32 id = makeEstimate("Smith", "Garage");
    OwnerDetails details(*ctx, id);
    std::array<QString, 7> names = details.load().names;
    names[2] = "7 O'Neil Rd";
    names[5] = "406/555-9876";
    names[6] = "12";
    EXPECT_FALSE(details.update(names));
    EXPECT_EQ(
        owner("SmithGarage"),
        QStringList{"John | Smith | 7 O'Neil Rd | Anytown, MT 54321 | 406/555-1234 | 406/555-9876 | 12"});
    EXPECT_EQ(master(id, "estaddress,estname"), QStringList{"7 O'Neil Rd | SmithGarage"});
    EXPECT_EQ(master(other, "estaddress"), QStringList{"12 Elm St"});
    EXPECT_EQ(owner("LeeBarn")[0], "John | Lee | 12 Elm St | Anytown, MT 54321 | 406/555-1234 |  | ");
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(OwnerDetailsTest, ARefusedUpdateWritesNeitherTable) {
    const qint32 id = makeEstimate("Smith", "Garage");
    OwnerDetails details(*ctx, id);
    details.load();
    struct Case {
        int field;
        QString value;
        QString message;
    };
    const Case cases[] = {
        {0, "", StatusTexts::kNotBlank},
        {1, "   ", StatusTexts::kNotBlank},
        {3, "", StatusTexts::kNotBlank},
        {0, QString(26, 'j'), "This field cannot be any longer than 25 characters."},
        {2, QString(101, 'a'), "This field cannot be any longer than 100 characters."},
        {6, "123456789", "This field cannot be any longer than 8 characters."},
    };
    for (const Case& c : cases) {
        std::array<QString, 7> names = kStored;
        names[2] = "1 New Rd";
        names[size_t(c.field)] = c.value;
        const auto refusal = details.update(names);
        ASSERT_TRUE(refusal) << c.field;
        EXPECT_EQ(refusal->field, c.field);
        EXPECT_EQ(prompter.lastText(), c.message);
    }
    // Nothing checks the phones beyond their size: an empty home phone is stored.
    std::array<QString, 7> names = kStored;
    names[4].clear();
    EXPECT_FALSE(details.update(names));
    EXPECT_EQ(owner("SmithGarage"), QStringList{"John | Smith | 12 Elm St | Anytown, MT 54321 |  |  | "});
    EXPECT_EQ(master(id, "estaddress"), QStringList{"12 Elm St"});
}

TEST_F(OwnerDetailsTest, AnEstimateFileThatCannotBeReachedIsReportedAndTheRegisterKeepsItsAddress) {
    const qint32 id = makeEstimate("Smith", "Garage");
    const qint32 outside = addRow("Elsewhere", "..\\..\\x.mdb");
    OwnerDetails away(*ctx, outside);
    EXPECT_EQ(away.load().estName, "Elsewhere");
    EXPECT_EQ(prompter.lastText(), "Error 76 (Path not found) in procedure Form_Load of Form frmOwnerDetail");

    OwnerDetails details(*ctx, id);
    std::array<QString, 7> names = details.load().names;
    ctx->pool.close(estimateFile("SmithGarage").path);
    QDir(ctx->folder.estimateFolder("SmithGarage")).removeRecursively();
    names[2] = "1 New Rd";
    EXPECT_FALSE(details.update(names)); // reported, nothing to correct on the screen
    EXPECT_TRUE(prompter.lastText().contains("in procedure ActionQuery of Module modData"));
    EXPECT_EQ(master(id, "estaddress"), QStringList{"12 Elm St"});
}

TEST_F(OwnerDetailsTest, HostileTextIsStoredExactlyAsTyped) {
    const qint32 id = makeEstimate("Smith", "Garage");
    OwnerDetails details(*ctx, id);
    details.load();
    const QString house = QString::fromUtf8("\xF0\x9F\x8F\xA0");
    const std::array<QString, 7> typed = {
        house.repeated(13),                  // 13 characters, 26 UTF-16 units
        "O'Neil\"; drop table main;--",      // quotes and SQL
        "<b>1</b> \u03A9 \u4E2D \t{\\rtf1}", // markup, Greek, Chinese, tab, RTF
        "<<Summary>> \u200B",                // a placeholder, a zero-width space
        "x'",
        "",
        "\u00A0"};
    EXPECT_FALSE(details.update(typed));
    const ResultSet stored = ctx->data.Read(
        estimateFile("SmithGarage"), "select fname,lname,address,citystzip,homeph,workph,ext from main");
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(stored.at(0, i).toString(), typed[size_t(i)]) << i;
    EXPECT_EQ(master(id, "estaddress"), QStringList{typed[2]});
    EXPECT_EQ(prompter.messageCount(), 0);

    std::array<QString, 7> blank = typed;
    blank[1] = "\u200B\u3000";
    ASSERT_TRUE(details.update(blank));
    EXPECT_EQ(prompter.lastText(), StatusTexts::kNotBlank);
    blank[1] = QString(10000, 'x');
    EXPECT_EQ(details.update(blank)->message, "This field cannot be any longer than 100 characters.");
}

} // namespace qxtest
