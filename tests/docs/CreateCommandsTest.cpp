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

TEST(CreateCommands, SaveAsksNoQuestionForAWorkingEstimate) {
    const std::pair<const char*, const char*> cases[] = {
        {"Working", "Saving"}, {"Pending", "Pending"}, {"Accepted", "Accepted"}, {"", ""}};
    for (const auto& [status, duringSave] : cases) {
        qx::WorkState state;
        state.sEstStatus = QLatin1String(status);
        QString seen;
        qx::saveForDocuments(state, [&] { seen = state.sEstStatus; });
        EXPECT_EQ(seen, QLatin1String(duringSave));
        EXPECT_EQ(state.sEstStatus, QLatin1String(status)) << "the status is back as it was";
    }
    // A save that settles the status (the completion question answered) keeps what it set.
    qx::WorkState state;
    state.sEstStatus = QStringLiteral("Working");
    qx::saveForDocuments(state, [&] { state.sEstStatus = QStringLiteral("Pending"); });
    EXPECT_EQ(state.sEstStatus, QStringLiteral("Pending"));
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
