#include "app/AppIdentity.h"
#include "app/MainWindowTexts.h"
#include "app/UiDeferredIconStyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QProxyStyle>
#include <QRegularExpression>
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
    // Handed on as a proper address: a blank or a "#" in a folder's name is written in its code.
    EXPECT_EQ(helpContentsUrl("/home/dana/Roof #1/help/index.html"),
              "file:///home/dana/Roof%20%231/help/index.html#quick-start");
}

TEST(HelpContents, TheShippedManualHasTheQuickStart) {
    QFile manual(QStringLiteral(":/resources/help/index.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());
    EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(kQuickStartAnchor)));
}

// The manual as it is shipped: every picture it shows is there, and every link inside it leads to a part
// of it.
TEST(HelpContents, EveryPictureAndLinkOfTheManualLeadsSomewhere) {
    const QDir help(QStringLiteral(QX_TEST_DIR "/../../resources/help"));
    QFile manual(help.filePath(QStringLiteral("index.html")));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());
    int pictures = 0;
    for (const auto& m : QRegularExpression(QStringLiteral("src=\"([^\"]+)\"")).globalMatch(html)) {
        ++pictures;
        EXPECT_TRUE(QFile::exists(help.filePath(m.captured(1)))) << m.captured(1).toStdString();
    }
    EXPECT_GE(pictures, 10);
    for (const auto& m : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html))
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(m.captured(1))))
            << m.captured(1).toStdString();
}

TEST(AppIdentity, NamesTheProgramItsMakerVersionLauncherAndIcon) {
    setApplicationIdentity();
    useDeferredIconStyle();
    EXPECT_EQ(QCoreApplication::applicationName(), "Quorvex");
    EXPECT_EQ(QCoreApplication::organizationName(), "Quorvex");
    EXPECT_EQ(QCoreApplication::applicationVersion(), "3.5.1");
    EXPECT_EQ(QGuiApplication::desktopFileName(), "quorvex");
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    // Read when first asked for, it is the icon file's picture at the file's sizes.
    EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), QIcon(kWindowIcon).availableSizes());
    EXPECT_FALSE(QGuiApplication::windowIcon().pixmap(48, 48).isNull());
    // The style's standard icons, made when first drawn, are the desktop style's own pictures.
    const auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_MessageBoxWarning}) {
        const QImage shown = style->standardIcon(which).pixmap(32, 32).toImage();
        EXPECT_FALSE(shown.isNull());
        EXPECT_EQ(shown, style->baseStyle()->standardIcon(which).pixmap(32, 32).toImage());
    }
}

} // namespace
