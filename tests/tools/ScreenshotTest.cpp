#include "Screenshot.h"
#include "Script.h"

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace qx::uidrive;

namespace {

constexpr int kTitle = 26; // the title bar above the window's inside

class ScreenshotTest : public ::testing::Test {
protected:
    ScreenshotTest() {
        window.setWindowTitle(QStringLiteral("Main"));
        window.setStyleSheet(QStringLiteral("background: #ff0000"));
        window.resize(300, 200);
        dialog.setStyleSheet(QStringLiteral("background: #0000ff"));
        dialog.resize(120, 80);
    }
    ~ScreenshotTest() override { qunsetenv(Screenshot::kFolderVariable); }

    QWidget window;
    QDialog dialog{&window};
};

TEST_F(ScreenshotTest, PicturesTheDialogTheUserDealsWithElseTheWindow) {
    EXPECT_TRUE(Screenshot::picture().isNull());
    window.show();
    QImage shot = Screenshot::picture();
    ASSERT_EQ(shot.size(), QSize(300, 200 + kTitle));
    EXPECT_EQ(shot.pixelColor(150, kTitle + 100), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(150, kTitle / 2), QColor(Qt::red));

    // While the dialog runs its own event loop, it is the one pictured.
    QTimer::singleShot(0, &dialog, [&] {
        shot = Screenshot::picture();
        dialog.reject();
    });
    dialog.exec();
    ASSERT_EQ(shot.size(), QSize(120, 80 + kTitle));
    EXPECT_EQ(shot.pixelColor(60, kTitle + 40), QColor(Qt::blue));
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
    EXPECT_EQ(saved.size(), QSize(300, 200 + kTitle));
    EXPECT_EQ(saved.pixelColor(5, kTitle + 5), QColor(Qt::red));

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
