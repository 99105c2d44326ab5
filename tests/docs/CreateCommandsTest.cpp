#include "RtfText.h"
#include "docs/DocumentBuilder.h"

#include <QFontInfo>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using qx::DocKind;

TEST(CreateCommands, WhatEachCommandBuildsAndDisables) {
    const std::tuple<int, QList<DocKind>, QList<int>> cases[] = {
        {0, {DocKind::Detail, DocKind::Roof, DocKind::Proposal, DocKind::Contract}, {0, 1, 2, 3, 4}},
        {1, {DocKind::Detail}, {1}},
        {2, {DocKind::Proposal}, {2}},
        {3, {DocKind::Contract}, {3}},
        {4, {DocKind::Roof}, {4}},
        {5, {}, {}},
        {-1, {}, {}},
    };
    for (const auto& [index, kinds, disables] : cases) {
        const qx::CreateCommand command = qx::createCommand(index);
        EXPECT_EQ(command.kinds, kinds) << index;
        EXPECT_EQ(command.disables, disables) << index;
    }
}

TEST(CreateCommands, WhichCommandsEachModeOffers) {
    const std::pair<const char*, QList<int>> cases[] = {
        {"new", {0, 1, 2, 3, 4}}, {"open", {0, 1, 2, 3, 4}}, {"figure", {4}}, {"report", {}}, {"", {}}};
    for (const auto& [mode, commands] : cases)
        EXPECT_EQ(qx::createCommandsFor(QLatin1String(mode)), commands) << mode;
}

TEST(CreateCommands, ReportsAreFixedPitchPlainText) {
    QTextDocument doc;
    qx::setReportText(doc, QStringLiteral("ROOF DETAILS\r\n#   Pitch\r\n1    6\r\n"));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("ROOF DETAILS\n#   Pitch\n1    6\n"));
    EXPECT_TRUE(QFontInfo(qx::reportFont()).fixedPitch());
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            EXPECT_EQ(it.fragment().charFormat().fontFamilies().toStringList().value(0),
                      qx::reportFont().family());
    }
}

} // namespace
