#include "app/AppIdentity.h"
#include "app/MainWindowTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QUrl>
#include <gtest/gtest.h>

using namespace qx;

namespace {

// The desktop is handed the help page's address: whatever the program folder is called, the address
// names that very file and lands on the Quick Start.
TEST(HelpContents, OpensTheManualAtItsQuickStartWhereverTheProgramFolderIs) {
    for (const QString& folder :
         {QStringLiteral("/home/dana/Quorvex"), QStringLiteral("/opt/Big Sky Roofing"),
          QStringLiteral("/home/ölz/Roof #1 100%"), QStringLiteral("/srv/a?b")}) {
        const QString helpFile = folder + QStringLiteral("/help/index.html");
        const QUrl url(helpContentsUrl(helpFile));
        EXPECT_TRUE(url.isValid()) << folder.toStdString();
        EXPECT_EQ(url.scheme(), "file");
        EXPECT_EQ(url.toLocalFile(), helpFile);
        EXPECT_EQ(url.fragment(), kQuickStartAnchor);
    }
    EXPECT_EQ(helpContentsUrl("/home/dana/Quorvex/help/index.html"),
              "file:///home/dana/Quorvex/help/index.html#quick-start");
}

TEST(HelpContents, TheShippedManualHasTheQuickStart) {
    QFile manual(QStringLiteral(":/resources/help/index.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(kQuickStartAnchor)));
}

TEST(AppIdentity, NamesTheProgramItsMakerVersionLauncherAndIcon) {
    setApplicationIdentity();
    EXPECT_EQ(QCoreApplication::applicationName(), "Quorvex");
    EXPECT_EQ(QCoreApplication::organizationName(), "Quorvex");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "3.5.1");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "quorvex");
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    EXPECT_FALSE(QIcon(kWindowIcon).pixmap(48, 48).isNull());
}

} // namespace
