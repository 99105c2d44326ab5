#include "widgets/UiPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace qx;

namespace {

struct Shown {
    Qt::TextFormat format = Qt::AutoText;
    QString text;
};

// Runs `ask` with the real prompter; the message box it opens is read and then answered by its
// default button.
Shown showThroughTheRealPrompter(const std::function<void(UiPrompter&)>& ask) {
    Shown shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = {box->textFormat(), box->text()};
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
    });
    UiPrompter prompter;
    ask(prompter);
    return shown;
}

} // namespace

TEST(PrompterTest, EveryMessageBoxShowsTheUsersTextAsTyped) {
    const QString text = QStringLiteral("There is already an estimate named <b>Lee</b>&amp;Sons.\n"
                                        "Please enter another name for this estimate.");
    const std::function<void(UiPrompter&)> asks[] = {
        [&](UiPrompter& p) { p.inform(QStringLiteral("Quorvex"), text); },
        [&](UiPrompter& p) {
            p.askYesNo(QStringLiteral("Quorvex"), text, Prompter::Icon::Question, Prompter::Answer::No);
        },
        [&](UiPrompter& p) {
            p.askYesNoCancel(QStringLiteral("Quorvex"), text, Prompter::Icon::Question,
                             Prompter::Answer::Yes);
        },
        [&](UiPrompter& p) {
            p.askOkCancel(QStringLiteral("Quorvex"), text, Prompter::Icon::Warning, Prompter::Answer::Ok);
        },
    };
    for (const auto& ask : asks) {
        const Shown shown = showThroughTheRealPrompter(ask);
        EXPECT_EQ(shown.format, Qt::PlainText);
        EXPECT_EQ(shown.text, text);
    }
}
