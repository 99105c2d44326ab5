#include "Driver.h"
#include "TestFolders.h"
#include "app/UiProgram.h"
#include "app/frmQuovi.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace qx::uidrive;

namespace {

// The driver runs the program's own start-up (its greeting comes first on fresh settings); the steps
// then act on a small window of the test's own beside the program's, whose button opens a dialog with
// exec() as the program's forms do.
class DriverDialogs : public qxtest::ProgramFolderTest {
protected:
    struct Run {
        int exitCode = -1;
        std::string output;
    };

    DriverDialogs() {
        window.setCentralWidget(new QWidget);
        auto* column = new QVBoxLayout(window.centralWidget());
        for (auto [name, handler] : {std::pair{"cmdAsk", &DriverDialogs::askForReply},
                                     std::pair{"cmdBusy", &DriverDialogs::showBusy},
                                     std::pair{"cmdPick", &DriverDialogs::pickFile}}) {
            auto* button = new QPushButton(name);
            button->setObjectName(name);
            column->addWidget(button);
            QObject::connect(button, &QPushButton::clicked, [this, handler] { (this->*handler)(); });
        }
        reply->setObjectName("lblReply");
        column->addWidget(reply);
    }

    void askForReply() {
        QDialog dialog(&window);
        dialog.setObjectName("frmAsk");
        dialog.setWindowTitle("Ask");
        auto* box = new QLineEdit(&dialog);
        box->setObjectName("txtReply");
        auto* okay = new QPushButton("&OK", &dialog);
        okay->move(0, 40);
        QObject::connect(okay, &QPushButton::clicked, &dialog, &QDialog::accept);
        const bool accepted = dialog.exec() == QDialog::Accepted;
        // Set only once the dialog has closed: a step reading it earlier sees the old text.
        reply->setText(accepted ? box->text() : QStringLiteral("cancelled"));
    }

    // A "please wait" dialog shown without a loop of its own; the click goes on handling events after it.
    void showBusy() {
        auto* busy = new QDialog(&window);
        busy->setObjectName("frmBusy");
        busy->setAttribute(Qt::WA_DeleteOnClose);
        busy->setWindowModality(Qt::ApplicationModal);
        busy->show();
        QCoreApplication::processEvents();
        reply->setText("busy");
    }

    // An open dialog: the file chosen, or "cancelled".
    void pickFile() {
        const QString chosen = prompter.chooseOpenFile("Pick", "*");
        reply->setText(chosen.isEmpty() ? QStringLiteral("cancelled") : chosen);
    }

    Run run(const QString& text) {
        const Script script = parseScript(text);
        EXPECT_EQ(script.error, QString());
        QApplication::setQuitOnLastWindowClosed(false);
        Run result;
        {
            qx::UiProgram program(programDir.path(), prompter, configDir.path());
            Driver driver(program, prompter, script.steps);
            window.show();
            testing::internal::CaptureStdout();
            driver.begin();
            bool stuck = false;
            QTimer::singleShot(10000, [&] {
                stuck = true;
                QCoreApplication::exit(99);
            });
            while (!driver.finished() && !stuck)
                QApplication::exec();
            result.output = testing::internal::GetCapturedStdout();
            EXPECT_FALSE(stuck);
            result.exitCode = driver.exitCode();
        }
        prompter.setEcho({});
        return result;
    }

    QMainWindow window;
    QLabel* reply = new QLabel;
};

TEST_F(DriverDialogs, StepsAfterAClickThatOpensADialogActInsideItUntilItCloses) {
    const Run result = run("click cmdOkay\n"
                           "click cmdAsk\n"
                           "type txtReply Hip roof\n"
                           "dump lblReply\n"
                           "click OK\n"
                           "expect lblReply Hip roof\n"
                           "click cmdAsk\n"
                           "close\n"
                           "expect lblReply cancelled\n"
                           "dump lblReply\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "lblReply: \nlblReply: cancelled\n");
}

TEST_F(DriverDialogs, TheNextStepWaitsForAClickThatLetsEventsThrough) {
    const Run result = run("click cmdOkay\n"
                           "click cmdBusy\n"
                           "expect lblReply busy\n"
                           "close\n"
                           "click cmdAsk\n"
                           "close\n"
                           "expect lblReply cancelled\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "");
}

TEST_F(DriverDialogs, AFailedStepInsideADialogEndsTheRun) {
    const Run result = run("click cmdOkay\n"
                           "click cmdAsk\n"
                           "click cmdAsk\n"
                           "dump lblReply\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(
        result.output,
        "error: line 3 (click cmdAsk): cmdAsk cannot be reached while the dialog \"Ask\" (frmAsk) is open\n");
    EXPECT_FALSE(QApplication::activeModalWidget());
}

TEST_F(DriverDialogs, AFileNamedByAPatternIsTheOneFileItMatches) {
    const QString folder = programDir.filePath("backups");
    QDir().mkpath(folder);
    for (const char* name :
         {"Quorvex-backup-2026-03-14-0905.zip", "Quorvex-backup-2026-03-14-0905.txt", "notes.zip"})
        QFile(folder + "/" + name).open(QIODevice::WriteOnly);
    const Run result = run("click cmdOkay\n"
                           "file " +
                           folder +
                           "/Quorvex-backup-*.zip\n"
                           "click cmdPick\n"
                           "expect lblReply " +
                           folder +
                           "/Quorvex-backup-2026-03-14-0905.zip\n"
                           "file " +
                           folder + "/Quorvex-backup-2026-03-14-090?.*\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output,
              "dialog: Pick -> " + (folder + "/Quorvex-backup-2026-03-14-0905.zip").toStdString() +
                  "\nerror: line 5 (file " + (folder + "/Quorvex-backup-2026-03-14-090?.*").toStdString() +
                  "): 2 files match " + (folder + "/Quorvex-backup-2026-03-14-090?.*").toStdString() + "\n");
}

TEST_F(DriverDialogs, FilesListsAFolderOfTheProgramFolderAndNothingOutsideIt) {
    QDir(ctx->folder.estimatesDir()).mkpath("SmithGarage");
    QFile(ctx->folder.estimatesDir() + "/notes.txt").open(QIODevice::WriteOnly);
    const Run listed = run("click cmdOkay\n"
                           "files estimates\n"
                           "files estimates/SmithGarage\n"
                           "files estimates/LeeBarn\n");
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.output, "estimates: SmithGarage/ | notes.txt\n"
                             "estimates/SmithGarage: \n"
                             "estimates/LeeBarn: no such folder\n");
    const Run outside = run("click cmdOkay\nfiles estimates/../..\n");
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_EQ(outside.output,
              "error: line 2 (files estimates/../..): estimates/../.. is not inside the program "
              "folder\n");
}

TEST_F(DriverDialogs, WaitForGoesOnOnceTheFileAppearsWhileTheProgramKeepsAnswering) {
    const QString signal = ctx->folder.root() + "/turn-of-b";
    bool answered = false;
    QTimer::singleShot(200, [&] {
        answered = true; // the program's own event loop ran while the script waited
        QFile(signal).open(QIODevice::WriteOnly);
    });
    const Run result = run("click cmdOkay\nwaitfor turn-of-b\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.output, "turn-of-b: there\n");
    EXPECT_TRUE(answered);
}

TEST_F(DriverDialogs, TypeenvTypesAVariablesValueThatNoOutputHolds) {
    const QByteArray secret = "Ridge-'\"7 pw";
    qputenv("QX_DRIVER_TEST_SECRET", secret);
    const Run typed = run("click cmdOkay\n"
                          "click cmdAsk\n"
                          "typeenv txtReply QX_DRIVER_TEST_SECRET\n"
                          "click OK\n");
    qunsetenv("QX_DRIVER_TEST_SECRET");
    EXPECT_EQ(typed.exitCode, 0);
    EXPECT_EQ(typed.output, "");
    EXPECT_EQ(reply->text(), QString::fromUtf8(secret));
    const Run unset = run("click cmdOkay\n"
                          "click cmdAsk\n"
                          "typeenv txtReply QX_DRIVER_TEST_UNSET\n");
    EXPECT_EQ(unset.exitCode, 1);
    EXPECT_EQ(unset.output, "error: line 3 (typeenv txtReply QX_DRIVER_TEST_UNSET): the environment "
                            "variable QX_DRIVER_TEST_UNSET is not set\n");
}

TEST_F(DriverDialogs, TouchMakesTheFileAnotherScriptWaitsFor) {
    const Run result = run("click cmdOkay\n"
                           "touch turn-of-a\n"
                           "waitfor turn-of-a\n"
                           "touch no-such-folder/turn-of-a\n");
    EXPECT_TRUE(QFileInfo::exists(ctx->folder.root() + "/turn-of-a"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.output, "turn-of-a: there\n"
                             "error: line 4 (touch no-such-folder/turn-of-a): cannot make "
                             "no-such-folder/turn-of-a: No such file or directory\n");
}

} // namespace
