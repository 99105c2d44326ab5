#include "ContactsFixture.h"

#include <QCryptographicHash>
#include <QFile>

using namespace qx;

namespace {

class ContactDirectoryTest : public qxtest::ContactsTest {
protected:
    void SetUp() override {
        ContactsTest::SetUp();
        directory = std::make_unique<ContactDirectory>(ctx->data, conn);
    }
    // The grid rows as "id name" texts, in the order shown.
    QStringList grid(const ContactGridQuery& query) {
        QStringList out;
        const ResultSet rows = directory->PopGrid(query);
        for (const QVariantList& row : rows.rows)
            out << row.at(0).toString() + ' ' + row.at(1).toString();
        return out;
    }
    std::unique_ptr<ContactDirectory> directory;
};

TEST_F(ContactDirectoryTest, TheContactsFileIsFoundFromTheOtherProgramsSettingAndOpenedReadOnly) {
    EXPECT_EQ(conn.path, kontaviFolder + "/data/contacts.mdb");
    EXPECT_EQ(conn.password, kContactsPassword);
    EXPECT_TRUE(conn.readOnly);
    ctx->settings.write(kKontaviApp, "Common", "Path", kontaviFolder + "/");
    EXPECT_EQ(kontaviContactsConn(ctx->settings)->path, conn.path);
    ctx->settings.write(kKontaviApp, "Common", "Path", "");
    EXPECT_FALSE(kontaviContactsConn(ctx->settings));
}

TEST_F(ContactDirectoryTest, TheGridListsEveryContactByLastThenFirstNameWithItsColumns) {
    const ResultSet rows = directory->PopGrid({});
    ASSERT_EQ(rows.size(), contactCount);
    // A null last name sorts first; "miller" and "Miller" sort together, then by first name.
    EXPECT_EQ(grid({}), (QStringList{"5 ", "4 ", "9 Property Management Office Hillcrest", "3 Jorge Martinez",
                                     "8 Ed Mc_Lean", "2 Anna miller", "1 Dale Miller", "7 Tom Moore",
                                     "6 Karen Olsen"}));
    const QVariantList& dale = rows.rows.at(6);
    QStringList cells;
    for (const QVariant& v : dale)
        cells << v.toString();
    EXPECT_EQ(cells,
              (QStringList{"1", "Dale Miller", "", "418 Fir St", "406/555-0190", "12", "406/555-0142"}));
    int captions = 0;
    int twips = 0;
    for (const ContactGridColumn& column : ContactDirectory::gridColumns()) {
        ++captions;
        twips += column.twips;
    }
    EXPECT_EQ(captions, rows.columns.size());
    EXPECT_LE(twips, ContactDirectory::kGridTwips);
}

TEST_F(ContactDirectoryTest, EachFilterReplacesTheGridWithItsOwnCondition) {
    struct Case {
        ContactGridQuery query;
        QStringList ids;
    };
    const Case cases[] = {
        {ContactDirectory::letterQuery("M"), {"3", "8", "2", "1", "7"}}, // whatever the case of the name
        {ContactDirectory::letterQuery("O"), {"6"}},
        {ContactDirectory::letterQuery("Z"), {}},
        {ContactDirectory::typeQuery("Lead"), {"5", "3", "2"}},
        {ContactDirectory::typeQuery("Cust"), {"8", "1"}},
        {ContactDirectory::typeQuery("Personal"), {"7"}},
        // A null company is neither a company nor the empty text.
        {ContactDirectory::companyQuery("Companies only"), {"4", "9", "6"}},
        {ContactDirectory::companyQuery("No Companies"), {"5", "8", "2", "1"}},
        {ContactDirectory::companyQuery("Both"), {"5", "4", "9", "3", "8", "2", "1", "7", "6"}},
        {ContactDirectory::letterQuery("All"), {"5", "4", "9", "3", "8", "2", "1", "7", "6"}},
        {ContactDirectory::typeQuery("All"), {"5", "4", "9", "3", "8", "2", "1", "7", "6"}},
    };
    for (const Case& c : cases) {
        QStringList ids;
        for (const QString& row : grid(c.query))
            ids << row.section(' ', 0, 0);
        EXPECT_EQ(ids, c.ids) << c.query.filter.toStdString() << " mode " << int(c.query.mode);
    }
}

TEST_F(ContactDirectoryTest, ALetterIsMatchedAsTypedNotAsAPattern) {
    EXPECT_EQ(grid({ContactGridMode::Alpha, "Mc_"}), (QStringList{"8 Ed Mc_Lean"}));
    EXPECT_TRUE(grid({ContactGridMode::Alpha, "%"}).isEmpty());
    EXPECT_TRUE(grid({ContactGridMode::Type, "' or 1=1 --"}).isEmpty());
}

TEST_F(ContactDirectoryTest, TheListsOfferTheirEntriesInOrder) {
    EXPECT_EQ(ContactDirectory::letterEntries().size(), 27);
    EXPECT_EQ(ContactDirectory::letterEntries().first(), "All");
    EXPECT_EQ(ContactDirectory::letterEntries().at(13), "M");
    EXPECT_EQ(ContactDirectory::typeEntries(), (QStringList{"All", "Lead", "Cust", "Contact", "Personal"}));
    EXPECT_EQ(ContactDirectory::companyEntries(), (QStringList{"Both", "Companies only", "No Companies"}));
}

TEST_F(ContactDirectoryTest, AContactGivesTheOwnerFieldsInTheirOrderWithNullsEmpty) {
    EXPECT_EQ(*directory->ownerFields(1),
              (ContactOwnerFields{"Dale", "Miller", "418 Fir St", "Missoula, MT 59801", "406/555-0142",
                                  "406/555-0190", "12"}));
    EXPECT_EQ(*directory->ownerFields(2), (ContactOwnerFields{"Anna", "miller", "1207 Cherry Ln",
                                                              "Missoula, MT 59802", "406/555-0177", "", ""}));
    // Without a city there is no city line to make up.
    EXPECT_EQ(*directory->ownerFields(5),
              (ContactOwnerFields{"Rosa", "", "23 Pine Hollow Rd", "", "406/555-0126", "", ""}));
    EXPECT_FALSE(directory->ownerFields(99));
}

TEST_F(ContactDirectoryTest, ReadingNeverChangesTheContactsFile) {
    auto digest = [&] {
        QFile file(conn.path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    };
    const QByteArray before = digest();
    for (const QString& entry : ContactDirectory::typeEntries())
        directory->PopGrid(ContactDirectory::typeQuery(entry));
    directory->ownerFields(1);
    // The handle itself refuses to write.
    EXPECT_THROW(ctx->data.file(conn).exec("delete from contacts"), Failure);
    EXPECT_EQ(ctx->data.Read(conn, "select count(*) from contacts").at(0, 0).toInt(), contactCount);
    directory->release();
    EXPECT_FALSE(ctx->pool.isOpen(conn.path));
    EXPECT_EQ(digest(), before);
}

TEST_F(ContactDirectoryTest, AMissingOrForeignFileFailsToFillTheGrid) {
    directory->release();
    ASSERT_TRUE(QFile::rename(conn.path, conn.path + ".moved"));
    EXPECT_THROW(directory->PopGrid({}), Failure);
    ASSERT_TRUE(QFile::rename(conn.path + ".moved", conn.path));
    Conn wrongKey = conn;
    wrongKey.password = "wrong";
    EXPECT_THROW(ContactDirectory(ctx->data, wrongKey).PopGrid({}), Failure);
}

} // namespace
