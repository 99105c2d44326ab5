#pragma once

#include "data/FileHash.h"
#include "revisions/RevisionRecord.h"

#include <QFile>
#include <gtest/gtest.h>

namespace qxtest {

// What a user out to change what was sent would do: the revision's proposal.pdf swapped for another,
// and its revision.json rewritten to name the new file's SHA-256, so that every digest inside the
// revision's folder matches again.
inline void swapProposalAndRecord(const QString& revision) {
    QFile pdf(revision + "/proposal.pdf");
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly | QIODevice::Truncate));
    pdf.write("%PDF-1.4\n% the same proposal at another price\n");
    pdf.close();
    QFile json(revision + "/revision.json");
    ASSERT_TRUE(json.open(QIODevice::ReadWrite));
    std::optional<qx::RevisionRecord> record = qx::RevisionRecord::fromJson(json.readAll());
    ASSERT_TRUE(record);
    for (qx::FrozenFile& file : record->files) {
        if (file.name == "proposal.pdf")
            file.sha256 = qx::sha256Of(pdf.fileName());
    }
    json.resize(0);
    json.write(record->toJson());
}

} // namespace qxtest
