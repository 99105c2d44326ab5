#include "EstimateFixture.h"
#include "docs/DocumentBuilder.h"

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using qx::DocKind;

class TemplateFillTest : public qxtest::EstimateFixture {
public:
    using EstimateFixture::setOwner;
    // One line of 1,000.00 under the default administrative amounts (15%, 15%, fixed 100, 2%).
    void thousandDollarEstimate() {
        addSection(QStringLiteral("Roofing"), 0);
        addLine(0, QStringLiteral("Complete re-roof"), QStringLiteral("Material"), 1, QStringLiteral("JOB"),
                "1000.00");
    }

protected:
    void writeTemplate(const char* name, const QByteArray& body) {
        QFile file(ctx->folder.templatesDir() + QLatin1Char('/') + QLatin1String(name) +
                   QStringLiteral(".rtf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" + body + "}");
    }
    QString build(DocKind kind) {
        qx::DocumentBuilder builder(*ctx, totals());
        builder.templates().setToday(QDate(2026, 3, 5));
        QTextDocument doc;
        builder.BuildPage(kind, estId, {}, doc);
        return doc.toPlainText();
    }
};

TEST_F(TemplateFillTest, ShippedProposalHoldsTheEstimate) {
    thousandDollarEstimate();
    setOwner(QStringLiteral("Dana"), QStringLiteral("O'Neil"), QStringLiteral("1207 Larch St"),
             QStringLiteral("Missoula, MT 59801"), QStringLiteral("Half down, balance on completion."),
             QStringLiteral("Tear off and re-roof the house"));
    const QString proposal = build(DocKind::Proposal);
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join(u'\n').toStdString();
    EXPECT_FALSE(proposal.contains(QStringLiteral("<<")));
    for (const char* expected : {"ABC Construction\n5454 Builders Lane\nAnytown, MT 54321-1234\n"
                                 "406/123-4567 Fax:406/234-5678\n\n\n",
                                 "Dana O'Neil\n1207 Larch St\nMissoula, MT 59801", "Dear Dana O'Neil,",
                                 "Date: 3/5/2026", "$1,420.00", "Valid until: 3/31/2026",
                                 "Half down, balance on completion.", "Tear off and re-roof the house"})
        EXPECT_TRUE(proposal.contains(QLatin1String(expected))) << expected;
    const QString contract = build(DocKind::Contract);
    EXPECT_FALSE(contract.contains(QStringLiteral("<<")));
    EXPECT_TRUE(contract.contains(QStringLiteral("$1,420.00")));
}

TEST_F(TemplateFillTest, EveryOccurrenceOnceAndNeverTheInsertedValue) {
    thousandDollarEstimate();
    setOwner(QStringLiteral("Dana"), QStringLiteral("Smith"), QStringLiteral("1207 Larch St"),
             QStringLiteral("Missoula"), QString(), QStringLiteral("Keep <<Summary>> as typed"));
    writeTemplate("proposal", "<<Summary>> and <<Summary>>\\par <<date>> x<<Date>> <<Date>>y <<Date>>\\par"
                              "{\\b <<Est}{\\i Total>>}\\par [<<PayTerms>>]");
    EXPECT_EQ(build(DocKind::Proposal),
              QStringLiteral("Keep <<Summary>> as typed and Keep <<Summary>> as typed\n"
                             "<<date>> x<<Date>> <<Date>>y 3/5/2026\n$1,420.00\n[]"));
}

TEST_F(TemplateFillTest, ValuesTakeThePlaceholdersFormat) {
    thousandDollarEstimate();
    writeTemplate("contract", "Total {\\b\\i <<EstTotal>>} due");
    qx::DocumentBuilder builder(*ctx, totals());
    QTextDocument doc;
    builder.BuildPage(DocKind::Contract, estId, {}, doc);
    ASSERT_EQ(doc.toPlainText(), QStringLiteral("Total $1,420.00 due"));
    const QTextCursor total = doc.find(QStringLiteral("$1,420.00"));
    EXPECT_EQ(total.charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(total.charFormat().fontItalic());
}

TEST_F(TemplateFillTest, LetterheadStillNamesTheCompany) {
    thousandDollarEstimate();
    ctx->settings.write(qx::kAppName, QStringLiteral("CoInfoInc"), QStringLiteral("LetHead"),
                        QStringLiteral("1"));
    writeTemplate("proposal", "<<CoInfo>>\\par By <<CoName>>");
    EXPECT_EQ(build(DocKind::Proposal), QStringLiteral("\n\n\n\n\n\n\nBy ABC Construction"));
}

TEST_F(TemplateFillTest, ExpiryDateIsTheEstimateDatePlusItsValidity) {
    const std::tuple<QDate, int, const char*> cases[] = {{QDate(2026, 3, 1), 30, "3/31/2026"},
                                                         {QDate(2024, 2, 1), 29, "3/1/2024"},
                                                         {QDate(2026, 12, 15), 30, "1/14/2027"},
                                                         {QDate(2026, 3, 1), 0, "3/1/2026"}};
    for (const auto& [date, days, expected] : cases)
        EXPECT_EQ(qx::TemplateDocuments::expiryText(date, days), QLatin1String(expected));
}

// Each failure shows the builder's error report and keeps what was filled until then.
struct FailureCase {
    const char* name;
    std::function<void(TemplateFillTest&)> breakIt;
    const char* message;
    const char* keptText;
};

class TemplateFailure : public TemplateFillTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(TemplateFailure, ReportsAndKeepsWhatWasFilled) {
    GetParam().breakIt(*this);
    const QString text = build(DocKind::Proposal);
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_EQ(prompter.log().first().toStdString(), std::string("message: Quorvex | ") + GetParam().message +
                                                        " in procedure BuildPage of Module modDocs -> ok");
    EXPECT_TRUE(text.contains(QLatin1String(GetParam().keptText))) << text.toStdString();
}

const FailureCase kFailures[] = {
    {"NoLines", [](TemplateFillTest&) {}, "Error 94 (Invalid use of Null)", "Dear Dana Smith,"},
    {"NoCityLine",
     [](TemplateFillTest& t) {
         t.thousandDollarEstimate();
         t.setOwner(QStringLiteral("Dana"), QStringLiteral("Smith"), QStringLiteral("1207 Larch St"),
                    QString(), QString(), QString());
     },
     "Error 94 (Invalid use of Null)", "ABC Construction\n5454 Builders Lane"},
};
INSTANTIATE_TEST_SUITE_P(Templates, TemplateFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TemplateFillTest, MissingTemplateIsReported) {
    thousandDollarEstimate();
    QFile::remove(ctx->folder.templatesDir() + QStringLiteral("/contract.rtf"));
    EXPECT_EQ(build(DocKind::Contract), QString());
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Error 53 (File not found: '%1/contract.rtf') in procedure "
                                                  "BuildPage of Module modDocs")
                                       .arg(ctx->folder.templatesDir()));
}

} // namespace
