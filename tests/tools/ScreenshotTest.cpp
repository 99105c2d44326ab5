#include "Screenshot.h"
#include "Script.h"

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace qx::uidrive;

namespace {

class ScreenshotTest : public ::testing::Test {
protected:
    ScreenshotTest() {
        window.setStyleSheet(QStringLiteral("background: #ff0000"));
        window.setGeometry(10, 20, 300, 200);
        dialog.setStyleSheet(QStringLiteral("background: #0000ff"));
        dialog.setGeometry(250, 150, 100, 100);
    }
    ~ScreenshotTest() override { qunsetenv(Screenshot::kFolderVariable); }

    QWidget window;
    QDialog dialog{&window};
};

TEST_F(ScreenshotTest, PaintsTheDialogOverTheMainWindowInTheAreaBothCover) {
    window.show();
    dialog.show();
    const QImage shot = Screenshot::compose();
    // From the window's top left corner to the dialog's bottom right one.
    ASSERT_EQ(shot.size(), QSize(340, 230));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(260, 150), QColor(Qt::blue)); // where the dialog lies over the window
    EXPECT_EQ(shot.pixelColor(330, 220), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(330, 5), QColor(Qt::white)); // beside both
    dialog.hide();
    EXPECT_EQ(Screenshot::compose().size(), QSize(300, 200));
    window.hide();
    EXPECT_TRUE(Screenshot::compose().isNull());
}

TEST_F(ScreenshotTest, WritesAPictureOnlyIntoTheFolderItIsGiven) {
    window.show();
    QTemporaryDir folder;
    const QString shots = folder.filePath(QStringLiteral("shots"));
    EXPECT_EQ(Screenshot::save(QStringLiteral("main.png")), QString());
    EXPECT_FALSE(QDir(shots).exists());

    qputenv(Screenshot::kFolderVariable, shots.toUtf8());
    EXPECT_EQ(Screenshot::save(QStringLiteral("main.png")), QString());
    const QImage saved(QDir(shots).filePath(QStringLiteral("main.png")));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(300, 200));
    EXPECT_EQ(saved.pixelColor(5, 5), QColor(Qt::red));

    window.hide();
    EXPECT_EQ(Screenshot::save(QStringLiteral("none.png")), QStringLiteral("no window is shown"));
}

TEST(ScriptParsing, AShotNamesItsFile) {
    const Script script = parseScript(QStringLiteral("shot line items.png\nshot\n"));
    EXPECT_EQ(script.error, QStringLiteral("line 2 (shot): this command needs more after it"));
    ASSERT_EQ(script.steps.size(), 1);
    EXPECT_EQ(script.steps[0].command, Command::Shot);
    EXPECT_EQ(script.steps[0].name, "line items.png");
}

} // namespace
