#pragma once

#include "../estimate/EstimateFixture.h"

#include "SwappedProposal.h"
#include "estimate/SaveEstimate.h"
#include "revisions/SentRevisions.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QTextDocument>
#include <map>

namespace qxtest {

// A started estimate with one roofing line of 12 at $100.00, saved and sent as the program does it.
class RevisionTest : public EstimateTest {
protected:
    void SetUp() override {
        EstimateTest::SetUp();
        add(QStringLiteral("Roofing"), 7, QStringLiteral("Test Shingle"), QStringLiteral("Material"), 12,
            10000);
        proposal.setPlainText(QStringLiteral("Proposal for the O'Neil roof."));
        contract.setPlainText(QStringLiteral("Contract for the O'Neil roof."));
    }

    // The line's quantity changed, as Edit Line does it.
    void changeQuantity(int qty) {
        lines->pending() = {7,
                            0,
                            QStringLiteral("Roofing"),
                            QStringLiteral("Material"),
                            qty,
                            QStringLiteral("sq"),
                            QStringLiteral("Test Shingle"),
                            qx::Money::fromCents(10000),
                            qx::lineTotalOf(qty, qx::Money::fromCents(10000)),
                            true};
        ASSERT_TRUE(lines->AddLineItem(qx::LineItems::Change::Edit, lines->workingLines().at(0).autoId));
    }

    // Saved as document creation saves, then sent.
    std::optional<qx::RevisionRecord> send() {
        EXPECT_EQ(qx::SaveEstimate(*ctx, state, *lines).saveWithoutQuestion({}, {}), qx::SaveOutcome::Saved);
        return qx::SentRevisions(*ctx).markSent(state, proposal, contract);
    }

    QString folder() const { return QFileInfo(state.sEstConn.path).absolutePath(); }
    QString revisionFolder(int number) const {
        const auto revision = qx::RevisionStore(folder()).find(number);
        return revision ? revision->folder : QString();
    }

    // Every entry below the estimate's folder (hidden ones too) with its contents.
    std::map<QString, QByteArray> folderContents() const {
        std::map<QString, QByteArray> all;
        QDirIterator it(folder(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            all[QDir(folder()).relativeFilePath(path)] =
                file.open(QIODevice::ReadOnly) ? file.readAll() : "dir";
        }
        return all;
    }

    QTextDocument proposal;
    QTextDocument contract;
};

} // namespace qxtest
