#include "status/StatusEdit.h"
#include "StatusFixture.h"
#include "estimate/OwnerTexts.h"
#include "status/StatusTexts.h"

#include <QFile>

using namespace qx;

namespace qxtest {

namespace {

struct CheckCase {
    const char* what;
    QString date;
    QString length;
    QString type;
    std::optional<EditField> refused; // nothing: accepted
};

EstimateEdit page(qint32 id, const QString& date, const QString& length, const QString& type,
                  const QString& status) {
    return EstimateEdit{id, {}, {}, date, length, type, status};
}

} // namespace

TEST(StatusEditChecks, UpdateTakesOnlyADateAWholeNumberOfDaysAndAShortType) {
    const QString type25(25, QLatin1Char('t'));
    const CheckCase cases[] = {
        {"a short date with four-digit year", "3/14/2024", "30", "Garage", {}},
        {"two-digit month and day, blanks around", " 03/05/2024 ", " 45 ", type25, {}},
        {"a length of 0 days", "12/31/2024", "0", "Garage", {}},
        {"the largest length", "1/1/2024", "2147483647", "Garage", {}},
        {"a two-digit year", "3/14/24", "30", "Garage", EditField::Date},
        {"a year below 1000", "3/14/0024", "30", "Garage", EditField::Date},
        {"no such day", "2/30/2024", "30", "Garage", EditField::Date},
        {"an empty date", "", "30", "Garage", EditField::Date},
        {"an ISO date", "2024-03-14", "30", "Garage", EditField::Date},
        {"SQL in the date", "1/1/2024'; drop table master;--", "30", "Garage", EditField::Date},
        {"half a day", "3/14/2024", "30.5", "Garage", EditField::Length},
        {"a negative length", "3/14/2024", "-1", "Garage", EditField::Length},
        {"a length too large to store", "3/14/2024", "2147483648", "Garage", EditField::Length},
        {"a length of letters", "3/14/2024", "12a", "Garage", EditField::Length},
        {"an empty length", "3/14/2024", "", "Garage", EditField::Length},
        {"a type of 26 characters", "3/14/2024", "30", type25 + "t", EditField::Type},
        {"an emptied type", "3/14/2024", "30", "", EditField::Type},
        {"a type of blanks only", "3/14/2024", "30", " \u00a0 ", EditField::Type},
    };
    for (const CheckCase& c : cases) {
        const auto refusal = StatusEdit::check(page(1, c.date, c.length, c.type, "Working"));
        ASSERT_EQ(refusal.has_value(), c.refused.has_value()) << c.what;
        if (refusal) {
            EXPECT_EQ(refusal->field, *c.refused) << c.what;
        }
    }
    EXPECT_EQ(StatusEdit::check(page(1, "x", "30", "", ""))->message,
              "This field must be a date, such as 3/14/2024.");
    EXPECT_EQ(StatusEdit::check(page(1, "1/1/2024", "x", "", ""))->message, StatusTexts::kNotWholeDays);
    EXPECT_EQ(StatusEdit::checkType(type25 + "t"), "This field cannot be longer than 25 characters.");
    EXPECT_EQ(StatusEdit::check(page(1, "1/1/2024", "30", "", ""))->message, OwnerTexts::kPickType);
}

class StatusEditTest : public StatusTest {
protected:
    StatusEdit edit() { return StatusEdit(*ctx, state); }
};

TEST_F(StatusEditTest, PopFormReadsTheRowAndMakesItTheCurrentEstimate) {
    addRow("SmithGarage", "SmithGarage\\SmithGarage.mdb");
    const qint32 lee =
        addRow("LeeTearOff", "LeeTearOff\\LeeTearOff.mdb", "Tear Off", "Pending", "2024-02-29", 45);
    StatusEdit board = edit();
    const auto shown = board.PopForm(lee);
    ASSERT_TRUE(shown);
    EXPECT_EQ(state.lEstID, lee);
    EXPECT_EQ(shown->name, "LeeTearOff");
    EXPECT_EQ(shown->address, "12 Elm St");
    EXPECT_EQ(shown->date, "2/29/2024");
    EXPECT_EQ(shown->length, "45");
    EXPECT_EQ(shown->type, "Tear Off");
    EXPECT_EQ(shown->status, "Pending");
    board.leave();
    EXPECT_EQ(state.lEstID, 0);
}

TEST_F(StatusEditTest, TheTypeListHoldsEachTypeOnce) {
    addRow("SmithGarage", {}, "Garage");
    addRow("LeeGarage", {}, "Garage");
    addRow("NgGarage", {}, "garage"); // the register compares types without regard to case
    addRow("OrrShed", {}, "Shed");
    addRow("Reserved", {}, {});
    setRegister(addRow("Blank", {}), "esttype=''", {});
    const QStringList types = edit().types();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(types[0].toLower(), "garage");
    EXPECT_EQ(types[1], "Shed");
}

TEST_F(StatusEditTest, UpdateStoresTheStatusDateLengthAndTypeAndARoundTripChangesNothing) {
    const qint32 id = addRow("SmithGarage", {}, "Garage", "Pending", "2024-03-14", 30);
    const qint32 other = addRow("LeeBarn", {}, "Barn", "Working", "2024-01-02", 30);
    StatusEdit board = edit();

    EstimateEdit shown = *board.PopForm(id);
    EXPECT_FALSE(board.update(shown));
    EXPECT_EQ(master(id, "estdate,eststatus,estlength,esttype"),
              QStringList{"2024-03-14 | Pending | 30 | Garage"});

    shown.status = "Accepted";
    shown.date = "12/31/2024";
    shown.length = "60";
    shown.type = "  Reroof  ";
    EXPECT_FALSE(board.update(shown));
    EXPECT_EQ(master(id, "estdate,eststatus,estlength,esttype"),
              QStringList{"2024-12-31 | Accepted | 60 | Reroof"});

    // A type is stored as typed, without the blanks (visible or not) around it.
    shown.type = QString::fromUtf8("\u3000O'Neil \"Re\"; --\xF0\x9F\x8F\xA0\u200B");
    EXPECT_FALSE(board.update(shown));
    EXPECT_EQ(master(id, "esttype"), QStringList{QString::fromUtf8("O'Neil \"Re\"; --\xF0\x9F\x8F\xA0")});

    shown.status.clear();
    board.update(shown);
    EXPECT_EQ(master(id, "eststatus"), QStringList{""});
    EXPECT_EQ(master(other, "estdate,eststatus,estlength,esttype"),
              QStringList{"2024-01-02 | Working | 30 | Barn"});
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(StatusEditTest, ARefusedUpdateSaysWhyAndChangesNothing) {
    const qint32 id = addRow("SmithGarage", {}, "Garage", "Pending", "2024-03-14", 30);
    StatusEdit board = edit();
    EstimateEdit shown = *board.PopForm(id);
    shown.status = "Accepted";
    shown.length = "thirty";
    const auto refusal = board.update(shown);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->field, EditField::Length);
    EXPECT_EQ(prompter.lastText(), StatusTexts::kNotWholeDays);
    EXPECT_EQ(master(id, "estdate,eststatus,estlength,esttype"),
              QStringList{"2024-03-14 | Pending | 30 | Garage"});
}

// Another PC has the estimate open: neither a status change nor a delete writes anything, and the user
// is told who has it; when the office server cannot say, nothing is written either.
TEST_F(StatusEditTest, AnEstimateOpenOnAnotherPcIsNeitherUpdatedNorDeleted) {
    struct Case {
        const char* what;
        bool remove;
        bool serverLost;
        const char* told;
    };
    const Case cases[] = {
        {"update", false, false, "SmithGarage is open on PC-A since 9:05."},
        {"delete", true, false, "SmithGarage is open on PC-A since 9:05."},
        {"update, server lost", false, true,
         "Error 10 (The connection was lost.) in procedure "
         "cmdUpdateStatus_Click of Form frmManageStatus"},
        {"delete, server lost", true, true,
         "Error 10 (The connection was lost.) in procedure "
         "cmdDeleteStatus_Click of Form frmManageStatus"},
    };
    const qint32 id = makeEstimate("Smith", "Garage", "Pending");
    for (const Case& c : cases) {
        StatusEdit board = edit();
        QStringList asked;
        board.setOpenElsewhere([&](qint32 held, const QString& name) -> std::optional<QString> {
            asked << QString("%1 %2").arg(held).arg(name);
            if (c.serverLost)
                throw Failure(10, "The connection was lost.");
            return name + " is open on PC-A since 9:05.";
        });
        if (c.remove) {
            prompter.queueAnswer(Prompter::Answer::Ok);
            EXPECT_EQ(board.deleteEstimate(id), DeleteResult::Kept) << c.what;
        } else {
            EstimateEdit shown = *board.PopForm(id);
            shown.status = "Accepted";
            const auto refusal = board.update(shown);
            ASSERT_TRUE(refusal) << c.what;
            EXPECT_EQ(refusal->message, c.told) << c.what;
        }
        EXPECT_EQ(asked, QStringList{QString("%1 SmithGarage").arg(id)}) << c.what;
        EXPECT_EQ(prompter.lastText(), c.told) << c.what;
        EXPECT_EQ(master(id, "eststatus"), QStringList{"Pending"}) << c.what;
        EXPECT_TRUE(folderExists("SmithGarage")) << c.what;
    }
}

TEST_F(StatusEditTest, DeleteAsksFirstAndCancelKeepsRowAndFolder) {
    const qint32 id = makeEstimate("Smith", "Garage");
    prompter.queueAnswer(Prompter::Answer::Cancel);
    EXPECT_EQ(edit().deleteEstimate(id), DeleteResult::Kept);
    EXPECT_EQ(prompter.log().last(), "message: Confirm delete. | Are you sure you want\\nto delete this "
                                     "estimate? -> cancel");
    EXPECT_EQ(master(id, "estname"), QStringList{"SmithGarage"});
    EXPECT_TRUE(folderExists("SmithGarage"));

    // No answer given: the default button is Cancel.
    EXPECT_EQ(edit().deleteEstimate(id), DeleteResult::Kept);
    EXPECT_TRUE(folderExists("SmithGarage"));
}

TEST_F(StatusEditTest, OkRemovesTheRowAndExactlyThatEstimatesFolder) {
    const qint32 smith = makeEstimate("Smith", "Garage");
    const qint32 lee = makeEstimate("Lee", "Barn");
    // The owner details had the file open: deleting closes it first.
    ctx->data.Read(estimateFile("SmithGarage"), "select fname from main");
    prompter.queueAnswer(Prompter::Answer::Ok);
    EXPECT_EQ(edit().deleteEstimate(smith), DeleteResult::Deleted);
    EXPECT_TRUE(master(smith, "id").isEmpty());
    EXPECT_FALSE(folderExists("SmithGarage"));
    EXPECT_FALSE(ctx->pool.isOpen(estimateFile("SmithGarage").path));
    EXPECT_EQ(master(lee, "estname"), QStringList{"LeeBarn"});
    EXPECT_TRUE(QFile::exists(estimateFile("LeeBarn").path));
    EXPECT_EQ(prompter.messageCount(), 1); // the question only
}

TEST_F(StatusEditTest, APathOutsideTheEstimatesFolderDeletesNoFolderAtAll) {
    // Folders a wrong path could reach: the program folder's data, a sibling, the estimates folder.
    const qint32 smith = makeEstimate("Smith", "Garage");
    QDir(programDir.path()).mkpath("x");
    QDir(ctx->folder.estimatesDir()).mkpath("Shared");
    addRow("Lee", "Shared\\Lee.mdb");
    const QString absolute = programDir.path() + "/x\\y.mdb";
    const QVariant paths[] = {QVariant(),
                              "",
                              "..",
                              "..\\..\\x",
                              "..\\x\\y.mdb",
                              ".\\Smith.mdb",
                              absolute,
                              "Smith/../..\\y.mdb",
                              "Shared\\Other.mdb",
                              "\\SmithGarage.mdb"};
    for (const QVariant& path : paths) {
        const qint32 id = addRow("Ng", path);
        prompter.queueAnswer(Prompter::Answer::Ok);
        EXPECT_EQ(edit().deleteEstimate(id), DeleteResult::Deleted) << path.toString().toStdString();
        EXPECT_TRUE(master(id, "id").isEmpty());
        EXPECT_TRUE(QFileInfo(programDir.path() + "/x").isDir()) << path.toString().toStdString();
        EXPECT_TRUE(QFileInfo(ctx->folder.dataDir()).isDir());
        EXPECT_TRUE(folderExists("Shared")) << path.toString().toStdString();
        EXPECT_TRUE(folderExists("SmithGarage")) << path.toString().toStdString();
        EXPECT_TRUE(QFileInfo(ctx->folder.estimatesDir()).isDir());
    }
    EXPECT_EQ(master(smith, "estname"), QStringList{"SmithGarage"});
}

TEST_F(StatusEditTest, AFolderThatIsALinkIsNotFollowed) {
    QDir(programDir.path()).mkpath("outside");
    QFile(programDir.path() + "/outside/keep.txt").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(programDir.path() + "/outside", ctx->folder.estimateFolder("Linked")));
    const qint32 id = addRow("Linked", "Linked\\Linked.mdb");
    prompter.queueAnswer(Prompter::Answer::Ok);
    EXPECT_EQ(edit().deleteEstimate(id), DeleteResult::Deleted);
    EXPECT_TRUE(QFile::exists(programDir.path() + "/outside/keep.txt"));
}

} // namespace qxtest
