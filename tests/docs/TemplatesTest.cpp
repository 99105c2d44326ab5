#include "RtfText.h"
#include "TestFolders.h"
#include "docs/RtfReader.h"
#include "docs/RtfWriter.h"

#include <QFile>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const char* const kTemplates[] = {"proposal", "contract",       "lead",
                                  "takeoff",  "estimatedetail", "estimatemain"};

class ShippedTemplates : public qxtest::ProgramFolderTest, public ::testing::WithParamInterface<const char*> {
protected:
    QByteArray installed() {
        QFile file(ctx->folder.templatesDir() + QLatin1Char('/') + QLatin1String(GetParam()) +
                   QStringLiteral(".rtf"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "laid into the program folder's Templates";
        return file.readAll();
    }
};

// The shipped templates read whole and survive a save from the editor unchanged.
TEST_P(ShippedTemplates, ReadWholeAndRoundTrip) {
    QTextDocument doc;
    const qx::RtfReadResult result = qx::readRtf(installed(), doc);
    EXPECT_TRUE(result.complete);
    EXPECT_GT(doc.blockCount(), 10);
    QTextDocument copy;
    qx::readRtf(qx::writeRtf(doc), copy);
    EXPECT_EQ(qxtest::describe(copy), qxtest::describe(doc));
}

INSTANTIATE_TEST_SUITE_P(Templates, ShippedTemplates, ::testing::ValuesIn(kTemplates));

class CustomerTemplates : public ShippedTemplates {};

// Proposal and contract carry every field a customer document needs, each as one whole word.
TEST_P(CustomerTemplates, HoldTheirFields) {
    QTextDocument doc;
    qx::readRtf(installed(), doc);
    for (const char* field : {"<<CoInfo>>", "<<CustInfo>>", "<<Date>>", "<<Summary>>", "<<LineTotals>>",
                              "<<EstTotal>>", "<<PayTerms>>", "<<ExpDate>>", "<<CoName>>"}) {
        EXPECT_FALSE(doc.find(QLatin1String(field), 0,
                              QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords)
                         .isNull())
            << field;
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, CustomerTemplates, ::testing::Values("proposal", "contract"));

} // namespace
