#include "FormDriver.h"

#include "data/ScriptedPrompter.h"
#include "setup/AboutBox.h"
#include "setup/frmAbout.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

using namespace qx;
using namespace qxtest;

namespace {

const QString kUnavailable = "System Information Is Unavailable At This Time";

class AboutBoxTest : public ::testing::Test {
protected:
    // A tool in the folder `sub` that leaves a mark named after itself when it runs.
    QString addTool(const QString& sub, const QString& name, bool executable = true) {
        const QString folder = dir.path() + '/' + sub;
        QDir().mkpath(folder);
        QFile file(folder + '/' + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString("#!/bin/sh\ntouch '%1/ran-%2'\n").arg(dir.path(), name).toUtf8());
        file.close();
        if (executable)
            file.setPermissions(file.permissions() | QFile::ExeOwner);
        return folder;
    }
    bool ran(const QString& name) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            if (QFile::exists(dir.path() + "/ran-" + name))
                return true;
            QTest::qWait(20);
        }
        return false;
    }
    QTemporaryDir dir;
    ScriptedPrompter prompter;
};

TEST_F(AboutBoxTest, ShowsTheTitleAndVersion) {
    frmAbout box(prompter);
    EXPECT_EQ(box.windowTitle(), "About Quorvex");
    EXPECT_EQ(get<QLabel>(&box, "lblTitle")->text(), "Quorvex");
    EXPECT_EQ(get<QLabel>(&box, "lblVersion")->text(), "Version 3.5.1");
    EXPECT_EQ(get<QPushButton>(&box, "cmdSysInfo")->text(), "&System Info...");
}

TEST_F(AboutBoxTest, TheFirstKnownToolOnThePathIsTheOneFound) {
    const QString late = addTool("b", "gnome-system-monitor");
    const QString early = addTool("a", "hardinfo");
    const QString sep = QDir::listSeparator();
    EXPECT_EQ(AboutBox::findSystemInfoTool(late + sep + early),
              early + "/hardinfo"); // list order, not PATH's
    EXPECT_EQ(AboutBox::findSystemInfoTool(late), late + "/gnome-system-monitor");
    addTool("c", "lshw-gtk", false); // not executable: not a tool
    addTool("c", "top");             // not a system-information tool
    EXPECT_EQ(AboutBox::findSystemInfoTool(dir.path() + "/c"), "");
    EXPECT_EQ(AboutBox::findSystemInfoTool(""), "");
}

TEST_F(AboutBoxTest, SystemInfoStartsTheToolFound) {
    const QString folder = addTool("a", "kinfocenter");
    AboutBox::startSystemInfo(prompter, folder);
    EXPECT_TRUE(ran("kinfocenter"));
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(AboutBoxTest, WithoutAToolTheUserIsToldSo) {
    AboutBox::startSystemInfo(prompter, dir.path());
    EXPECT_EQ(prompter.lastText(), kUnavailable);
    // The button of the box does the same with the program's own PATH.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit());
    frmAbout box(prompter);
    press(&box, "cmdSysInfo");
    qputenv("PATH", path);
    EXPECT_EQ(prompter.messageCount(), 2);
    EXPECT_EQ(prompter.lastText(), kUnavailable);
}

} // namespace
