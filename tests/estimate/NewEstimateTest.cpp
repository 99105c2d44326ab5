#include "TestFolders.h"

#include "estimate/NewEstimate.h"
#include "estimate/SaveEstimate.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace qx;

namespace {

OwnerInput owner(const QString& last = "Smith", const QString& type = "Garage", const QString& name = {}) {
    OwnerInput in;
    in.names = {"John", last, "12 Elm St", "Anytown, MT 54321", "406/555-1234", "", ""};
    in.type = type;
    in.estName = name;
    return in;
}

class NewEstimateTest : public qxtest::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        newEstimate = std::make_unique<NewEstimate>(*ctx, state);
    }
    WorkState state;
    std::unique_ptr<NewEstimate> newEstimate;
};

TEST_F(NewEstimateTest, StartMakesFolderKeyedFileOwnerRowAndRegisterRow) {
    ASSERT_TRUE(newEstimate->begin());
    EXPECT_EQ(state.lEstID, 1);
    EXPECT_EQ(rows(mast(), "select eststatus, estlength, estdate, estpath from master"),
              QStringList({"Working | 30 | " + QDate::currentDate().toString(Qt::ISODate) + " | NULL"}));

    ASSERT_FALSE(newEstimate->start(owner()).has_value());
    EXPECT_EQ(rows(mast(), "select estname, estaddress, estpath, esttype from master"),
              QStringList({"SmithGarage | 12 Elm St | SmithGarage\\SmithGarage.mdb | Garage"}));
    EXPECT_TRUE(QFileInfo(ctx->folder.estimatesDir() + "/SmithGarage/SmithGarage.mdb").isFile());
    EXPECT_EQ(rows(state.sEstConn, "select id, fname, lname, workph, ext from main"),
              QStringList({"1 | John | Smith |  | "}));
    EXPECT_EQ(state.estName, "SmithGarage");
    EXPECT_EQ(state.sEstStatus, "Working");
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(NewEstimateTest, ChecksRunInOrderAndRefuseWithTheirMessages) {
    OwnerInput in = owner();
    in.names[0] = "";
    auto refusal = NewEstimate::check(in);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, OwnerField::Name0);
    EXPECT_EQ(refusal->message, "This field may not be blank.");

    in = owner();
    in.names[4] = "   ";
    EXPECT_EQ(NewEstimate::check(in)->field, OwnerField::Name4);
    EXPECT_FALSE(NewEstimate::check(owner("Smith", "Tear Off")).has_value());
    EXPECT_TRUE(
        NewEstimate::check(owner("Smith", "  "))->message.startsWith("You must pick an estimate type."));
    for (const char* type : {"Re-roof", "Roof2", "Dach\u00fc"}) {
        refusal = NewEstimate::check(owner("Smith", QString::fromUtf8(type)));
        ASSERT_TRUE(refusal) << type;
        EXPECT_TRUE(refusal->message.startsWith("Estimate types can have alpha characters"));
        EXPECT_TRUE(refusal->clearField);
    }
    refusal = NewEstimate::check(owner("Smith", "Garage", "Smith's"));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message,
              "Estimate names can have alpha characters only.\nPlease re-enter the name oror "
              "leave create the\nblank and let the system name for you.");
    in = owner();
    in.names[0] = QString(26, 'J'); // arrived longer than its box allows
    EXPECT_EQ(NewEstimate::check(in)->message, "This field cannot be any longer than 25 characters.");
}

TEST_F(NewEstimateTest, ARefusedStartCreatesNothing) {
    ASSERT_TRUE(newEstimate->begin());
    EXPECT_TRUE(newEstimate->start(owner("Smith", "Roof2")).has_value());
    EXPECT_EQ(rows(mast(), "select estpath from master"), QStringList({"NULL"}));
    EXPECT_TRUE(QDir(ctx->folder.estimatesDir()).isEmpty());
    EXPECT_FALSE(state.hasEstimateFile());
}

TEST_F(NewEstimateTest, GeneratedNamesDropWhatCannotStandInAFileName) {
    EXPECT_EQ(NewEstimate::storedName("O'Neil / Sons Garage"), "O'NeilSonsGarage");
    EXPECT_EQ(NewEstimate::storedName("A:B*C?D\"E<F>G|H#I\\J\tK"), "ABCDEFGHIJK");
    EXPECT_EQ(NewEstimate::storedName(".. "), "");
    EXPECT_EQ(NewEstimate::displayName(owner("Smith", "Garage", "  ")), "Smith Garage");
}

TEST_F(NewEstimateTest, InvisibleOrBlankOnlyOwnerFieldsCountAsEmpty) {
    for (const char* blank : {"\u200b", "\u00a0", "\u3000", "\u200b\u202e\ufeff", " \t "}) {
        for (int field = 0; field <= 4; ++field) {
            OwnerInput in = owner();
            in.names[size_t(field)] = QString::fromUtf8(blank);
            const auto refusal = NewEstimate::check(in);
            ASSERT_TRUE(refusal) << field << ' ' << blank;
            EXPECT_EQ(refusal->message, "This field may not be blank.");
            EXPECT_EQ(int(refusal->field), int(OwnerField::Name0) + field);
        }
    }
    // A name box of invisible characters is an empty one: the name is made from last name and type.
    EXPECT_FALSE(NewEstimate::check(owner("Smith", "Garage", QString::fromUtf8("\u200b"))));
    EXPECT_EQ(NewEstimate::displayName(owner("Smith", "Garage", QString::fromUtf8("\u200b"))),
              "Smith Garage");
}

TEST_F(NewEstimateTest, EmojiCountOnceAgainstTheBoxSize) {
    QString houses;
    for (int i = 0; i < 13; ++i)
        houses += QString::fromUtf8("🏠");
    OwnerInput in = owner();
    in.names[0] = houses; // 13 characters, 26 UTF-16 units, in a box of 25
    ASSERT_TRUE(newEstimate->begin());
    ASSERT_FALSE(newEstimate->start(in).has_value());
    EXPECT_EQ(rows(state.sEstConn, "select fname, length(fname) from main"), QStringList({houses + " | 13"}));
    in.names[0] = houses + houses; // 26
    EXPECT_EQ(NewEstimate::check(in)->message, "This field cannot be any longer than 25 characters.");
}

TEST_F(NewEstimateTest, StoredNamesAreNormalisedAndNeverHidden) {
    const std::pair<const char*, const char*> cases[] = {
        {"L\u200bee Garage", "LeeGarage"},
        {"\u202eeeL Garage", "eeLGarage"},
        {".Lee Garage", "LeeGarage"},
        {"... Lee", "Lee"},
        {"Jose\u0301 Garage", "Jos\u00e9Garage"},
        {"<<Summary>> {\\rtf1}", "Summary{rtf1}"},
    };
    for (const auto& [display, stored] : cases)
        EXPECT_EQ(NewEstimate::storedName(QString::fromUtf8(display)), QString::fromUtf8(stored)) << display;
}

TEST_F(NewEstimateTest, NamesThatLookTheSameAreOneName) {
    // Starts a new estimate for this last name with the type Garage; the refusal, if any.
    auto startFor = [&](const char* last) {
        WorkState other;
        NewEstimate another(*ctx, other);
        EXPECT_TRUE(another.begin());
        const auto refusal = another.start(owner(QString::fromUtf8(last), "Garage"));
        if (refusal)
            another.dropReservation();
        return refusal;
    };
    for (const char* last : {"\u00d6lz", "Jos\u00e9", "Lee"})
        ASSERT_FALSE(startFor(last)) << last;

    for (const char* last : {"\u00f6lz", "O\u0308lz", "Jose\u0301", "JOS\u00c9", "L\u200bee", "lee\u00ad"}) {
        const auto refusal = startFor(last);
        ASSERT_TRUE(refusal) << last;
        EXPECT_EQ(refusal->field, OwnerField::EstName);
        EXPECT_TRUE(prompter.lastText().startsWith("There is already an estimate named")) << last;
    }
    EXPECT_EQ(rows(mast(), "select estname from master order by id"),
              QStringList({"\u00d6lzGarage", "Jos\u00e9Garage", "LeeGarage"}));
}

TEST_F(NewEstimateTest, TheTypeIsStoredWithoutBlanksAtItsEnds) {
    ASSERT_TRUE(newEstimate->begin());
    ASSERT_FALSE(newEstimate->start(owner("Smith", "  Ann  ")).has_value());
    EXPECT_EQ(rows(mast(), "select estname, esttype from master"), QStringList({"SmithAnn | Ann"}));
    EXPECT_EQ(Register(ctx->data, mast()).PopEstTypeCbo(), QStringList({"", "Ann"}));
    EXPECT_EQ(NewEstimate::displayName(NewEstimate::trimmed(owner("Smith", "\u3000Ann "))), "Smith Ann");
}

TEST_F(NewEstimateTest, DiscardingAStartedEstimateRemovesRowFileAndFolderTogether) {
    ASSERT_TRUE(newEstimate->begin());
    ASSERT_FALSE(newEstimate->start(owner()).has_value());
    ASSERT_TRUE(QFileInfo(ctx->folder.estimateFolder("SmithGarage")).isDir());
    newEstimate->discard();
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));
    EXPECT_FALSE(QFileInfo::exists(ctx->folder.estimateFolder("SmithGarage")));

    // Before Start there is only the reservation to drop.
    WorkState other;
    NewEstimate unstarted(*ctx, other);
    ASSERT_TRUE(unstarted.begin());
    unstarted.discard();
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));
    EXPECT_TRUE(QDir(ctx->folder.estimatesDir()).isEmpty());
}

TEST_F(NewEstimateTest, ApostrophesReachMainAndTheRegisterOnce) {
    ASSERT_TRUE(newEstimate->begin());
    OwnerInput in = owner("O'Neil", "Garage");
    in.names[2] = "1 Miller's Rd";
    ASSERT_FALSE(newEstimate->start(in).has_value());
    EXPECT_EQ(rows(mast(), "select estname, estaddress from master"),
              QStringList({"O'NeilGarage | 1 Miller's Rd"}));
    EXPECT_EQ(rows(state.sEstConn, "select lname, address from main"),
              QStringList({"O'Neil | 1 Miller's Rd"}));
}

TEST_F(NewEstimateTest, AUsedNameIsRefusedAndTheOtherEstimateIsUntouched) {
    ASSERT_TRUE(newEstimate->begin());
    ASSERT_FALSE(newEstimate->start(owner()).has_value());
    const Conn first = state.sEstConn;

    WorkState second;
    NewEstimate another(*ctx, second);
    ASSERT_TRUE(another.begin());
    const auto refusal = another.start(owner("SMITH", "garage"));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, OwnerField::EstName);
    EXPECT_TRUE(prompter.lastText().startsWith("There is already an estimate named SMITHgarage."));
    EXPECT_EQ(rows(first, "select fname from main"), QStringList({"John"}));
    EXPECT_EQ(rows(mast(), "select count(*) from master where estpath is null"), QStringList({"1"}));
}

TEST_F(NewEstimateTest, AFolderThatCannotBeMadeLeavesNoHalfFilledRegisterRow) {
    ASSERT_TRUE(newEstimate->begin());
    QDir(ctx->folder.estimatesDir()).removeRecursively();
    QFile blocker(ctx->folder.estimatesDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // estimates is now a file
    blocker.close();
    EXPECT_TRUE(newEstimate->start(owner()).has_value());
    EXPECT_TRUE(prompter.lastText().startsWith("The estimate SmithGarage could not be created."));
    EXPECT_EQ(rows(mast(), "select estname, estpath from master"), QStringList({"NULL | NULL"}));
    EXPECT_FALSE(state.hasEstimateFile());
}

TEST_F(NewEstimateTest, AGeneratedNameLongerThanTheRegisterHoldsAsksForAShorterOne) {
    // A company name and the type Roofing make a name of 52 characters; the register keeps 50.
    const QString company = "Northwestern Regional Property Management Company";
    ASSERT_TRUE(newEstimate->begin());
    const auto refusal = newEstimate->start(owner(company, "Roofing"));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, OwnerField::EstName);
    EXPECT_EQ(prompter.lastText(),
              "The estimate name NorthwesternRegionalPropertyManagementCompanyRoofing is longer "
              "than 50 characters.\nPlease enter a shorter name for this estimate.");
    EXPECT_TRUE(QDir(ctx->folder.estimatesDir()).isEmpty());
    // A name typed in the box fits: its blanks only make it shorter.
    ASSERT_FALSE(newEstimate->start(owner(company, "Roofing", "Northwestern Roofing")).has_value());
    EXPECT_EQ(state.estName, "NorthwesternRoofing");
}

TEST_F(NewEstimateTest, AReservationThatIsGoneFailsStartAndLeavesNothingBehind) {
    ASSERT_TRUE(newEstimate->begin());
    // The reserved row disappears between New and Start (another copy's start-up clean-up could do that).
    ctx->data.ActionQuery("delete from master", mast());
    const auto refusal = newEstimate->start(owner());
    ASSERT_TRUE(refusal);
    EXPECT_EQ(prompter.lastText(),
              "The estimate SmithGarage could not be created.\nThe estimate register could not be updated.");
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));
    EXPECT_FALSE(QFileInfo::exists(ctx->folder.estimateFolder("SmithGarage")));
    EXPECT_FALSE(state.hasEstimateFile());
}

TEST_F(NewEstimateTest, ALeftoverFolderWithoutRegisterRowIsReused) {
    QDir().mkpath(ctx->folder.estimateFolder("SmithGarage"));
    QFile leftover(ctx->folder.estimateFile("SmithGarage"));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write("not a database");
    leftover.close();
    ASSERT_TRUE(newEstimate->begin());
    ASSERT_FALSE(newEstimate->start(owner()).has_value());
    EXPECT_EQ(rows(state.sEstConn, "select count(*) from main"), QStringList({"1"}));
}

TEST_F(NewEstimateTest, DroppingAReservationAndStaleRowsCleanTheRegister) {
    ASSERT_TRUE(newEstimate->begin());
    newEstimate->dropReservation();
    EXPECT_EQ(rows(mast(), "select count(*) from master"), QStringList({"0"}));

    ASSERT_TRUE(newEstimate->begin());
    ASSERT_FALSE(newEstimate->start(owner()).has_value());
    WorkState other;
    NewEstimate abandoned(*ctx, other);
    ASSERT_TRUE(abandoned.begin()); // never started, as after a power loss
    Register(ctx->data, mast()).removeStaleReservations();
    EXPECT_EQ(rows(mast(), "select estname from master"), QStringList({"SmithGarage"}));
    EXPECT_EQ(Register(ctx->data, mast()).PopEstTypeCbo(), QStringList({"", "Garage"}));
}

TEST_F(NewEstimateTest, EstimateFoldersAreOnlyRemovedInsideTheEstimatesFolder) {
    QDir().mkpath(ctx->folder.estimateFolder("Keep"));
    QDir().mkpath(ctx->folder.root() + "/outside");
    EXPECT_FALSE(removeEstimateFolder(ctx->folder, ".."));
    EXPECT_FALSE(removeEstimateFolder(ctx->folder, "../outside"));
    EXPECT_FALSE(removeEstimateFolder(ctx->folder, ""));
    EXPECT_TRUE(QFileInfo(ctx->folder.root() + "/outside").isDir());
    EXPECT_TRUE(removeEstimateFolder(ctx->folder, "Keep"));
    EXPECT_FALSE(QFileInfo(ctx->folder.estimateFolder("Keep")).exists());
}

} // namespace
