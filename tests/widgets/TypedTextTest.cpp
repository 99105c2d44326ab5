#include "widgets/UiControls.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace qx;

namespace {

// The summary and terms boxes give back what was typed: no character is swapped for a look-alike.
TEST(TypedTextTest, AMultiLineBoxGivesBackExactlyWhatWasTyped) {
    const QString texts[] = {
        QString(),
        QStringLiteral("Half down,\u00a0balance on completion."),
        QStringLiteral("First line\u2028same paragraph"),
        QStringLiteral("One paragraph\nanother\n\nand a last one\n"),
        QStringLiteral("  blanks kept \t"),
    };
    for (const QString& text : texts) {
        QPlainTextEdit box;
        box.setPlainText(text);
        EXPECT_EQ(typedText(&box), text) << qPrintable(text);
    }
}

} // namespace
