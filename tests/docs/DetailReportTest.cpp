#include "EstimateFixture.h"
#include "docs/DetailReports.h"
#include "docs/DocumentBuilder.h"

#include <QFile>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using qx::DetailReports;

// Compares a report with its golden file line by line; QX_UPDATE_GOLDEN=1 writes the file instead.
void expectGolden(const QString& report, const char* name) {
    const QString path = QStringLiteral(QX_TEST_DIR "/golden/") + QLatin1String(name);
    const QStringList lines = report.split(QStringLiteral("\r\n"));
    EXPECT_EQ(report.count(u'\n'), report.count(QStringLiteral("\r\n"))) << "lines end in CR LF";
    if (qEnvironmentVariableIsSet("QX_UPDATE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(lines.join(u'\n').toUtf8());
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    const QStringList expected = QString::fromUtf8(in.readAll()).split(u'\n');
    for (qsizetype i = 0; i < std::max(lines.size(), expected.size()); ++i)
        EXPECT_EQ(lines.value(i).toStdString(), expected.value(i).toStdString()) << name << " line " << i + 1;
}

class DetailReportTest : public qxtest::EstimateFixture {
protected:
    // A real re-roof: sections entered out of their order, every category, a section without lines, a
    // 50-character item name and an amount too wide for its column.
    void fillEstimate() {
        addSection(QStringLiteral("Tear Off"), 1);
        addSection(QStringLiteral("Roofing"), 0);
        addSection(QStringLiteral("Flashing & Vents"), 2);
        addSection(QStringLiteral("Gutters"), 3);
        addSection(QStringLiteral("Clean Up"), 4);
        addLine(0, QStringLiteral("30 Year Architectural Shingles"), QStringLiteral("Material"), 32,
                QStringLiteral("BDL"), "38.50");
        addLine(0, QStringLiteral("Synthetic Underlayment"), QStringLiteral("Material"), 4,
                QStringLiteral("ROLL"), "142.00");
        addLine(0, QStringLiteral("Ice and Water Shield Self-Adhered Membrane 36in x6"),
                QStringLiteral("Material"), 2, QStringLiteral("ROLL"), "89.95");
        addLine(0, QStringLiteral("Shingle Installation"), QStringLiteral("Labor"), 11, QStringLiteral("SQ"),
                "65.00");
        addLine(1, QStringLiteral("Tear Off One Layer"), QStringLiteral("Labor"), 11, QStringLiteral("SQ"),
                "45.00");
        addLine(1, QStringLiteral("Dumpster 20 Yard"), QStringLiteral("Equip"), 1, QStringLiteral("EA"),
                "425.00");
        addLine(1, QStringLiteral("Disposal Fee"), QStringLiteral("Fee"), 1, QStringLiteral("EA"), "85.00");
        addLine(2, QStringLiteral("Ridge Vent"), QStringLiteral("Unit_Item"), 42, QStringLiteral("LF"),
                "6.2575");
        addLine(2, QStringLiteral("Step Flashing"), QStringLiteral("Material"), 100, QStringLiteral("EA"),
                "0.65");
        addLine(2, QStringLiteral("Chimney Flashing"), QStringLiteral("SubCon"), 1, QStringLiteral("EA"),
                "650.00");
        addLine(3, QStringLiteral("Seamless Gutter 5in"), QStringLiteral("SubCon"), 120, QStringLiteral("LF"),
                "7.50");
        addLine(3, QStringLiteral("Copper Porch Roof"), QStringLiteral("SubCon"), 1, QStringLiteral("EA"),
                "12500.00");
    }

    void fillRoof() {
        const int areas[12][6] = {{6, 1, 40, 0, 18, 792}, {6, 1, 40, 0, 18, 792},  {8, 2, 24, 0, 12, 173},
                                  {8, 2, 24, 0, 12, 173}, {4, 2, 30, 18, 10, 253}, {4, 2, 30, 18, 10, 253},
                                  {12, 1, 12, 0, 8, 136}, {12, 1, 12, 0, 8, 136},  {5, 1, 16, 0, 9, 156},
                                  {5, 1, 16, 0, 9, 156},  {3, 1, 20, 0, 14, 289},  {10, 2, 14, 0, 7, 64}};
        for (const auto& a : areas)
            addArea(a[0], a[1], a[2], a[3], a[4], a[5]);
        addLineal(1, QStringLiteral("Ridge"), 52, 52);
        addLineal(2, QStringLiteral("Starter Course"), 148, 148);
        addLineal(3, QStringLiteral("Waste"), 10, 337);
    }

    QStringList workingCounts() {
        QStringList counts;
        for (const char* table : {"tempsect", "tplineitems", "estigrid", "tempareas", "templineal"})
            counts << rows(temp(), QStringLiteral("select count(*) from ") + QLatin1String(table));
        return counts;
    }
};

TEST_F(DetailReportTest, EstimateDetailOfARealEstimate) {
    fillEstimate();
    const QStringList before = workingCounts();
    const QString report = DetailReports(*ctx, totals()).estimateDetail(estId);
    expectGolden(report, "estimate_detail.txt");
    // Every line that holds an item or a total is as wide as the report when its values fit; an amount
    // wider than its column widens it instead of being cut.
    for (const QString& line : report.split(QStringLiteral("\r\n"))) {
        if (line.contains(u'$') && !line.contains(QStringLiteral("%")) &&
            !line.contains(QStringLiteral("Fixed"))) {
            EXPECT_EQ(line.size(), line.contains(QStringLiteral("$12,500.00 ")) ? 77 : 75)
                << line.toStdString();
        }
    }
    // The estimate stays open and editable: building the report empties nothing.
    EXPECT_EQ(workingCounts(), before);
    EXPECT_TRUE(prompter.log().isEmpty());
}

TEST_F(DetailReportTest, RoofDetailWithTwoDigitIds) {
    fillRoof();
    const qx::RoofBoxes boxes{3373, 537, 3910};
    expectGolden(DetailReports(*ctx, totals()).roofDetail(estId, boxes), "roof_detail.txt");
}

TEST_F(DetailReportTest, EmptyEstimateStillPrintsEveryHeadingAndTotal) {
    addSection(QStringLiteral("Roofing"), 0);
    const QString detail = DetailReports(*ctx, totals()).estimateDetail(estId);
    EXPECT_TRUE(detail.contains(QStringLiteral("Roofing\r\n") + QString(52, u' ') +
                                QStringLiteral("Total for Roofing $0.00")));
    EXPECT_TRUE(detail.contains(
        QStringLiteral("     0.00       0.00       0.00       0.00     0.00       0.00        0.00")));
    EXPECT_TRUE(detail.endsWith(QString(51, u' ') + QStringLiteral("Estimate Total:  $100.00\r\n")));
    const QString roof = DetailReports(*ctx, totals()).roofDetail(estId, {});
    EXPECT_TRUE(roof.contains(
        QStringLiteral("AREAS\r\n#   Pitch  Shape  Width 1  Width 2  Height  Total\r\n\r\nLINEAL")));
    EXPECT_TRUE(roof.endsWith(QStringLiteral("               Total roof:     0\r\n")));
}

TEST_F(DetailReportTest, RoofFiguredWithoutAnEstimateNamesNone) {
    addArea(6, 1, 40, 0, 18, 792);
    const QString roof = DetailReports(*ctx, totals()).roofDetail(0, {792, 0, 792});
    EXPECT_TRUE(roof.startsWith(QStringLiteral("ROOF DETAILS\r\n") + QString(75, u'=') +
                                QStringLiteral("\r\n\r\nAREAS")));
    EXPECT_TRUE(prompter.log().isEmpty());
}

TEST_F(DetailReportTest, MissingRegisterRowLeavesTheHeadingOutAndGoesOn) {
    fillEstimate();
    const QString report = DetailReports(*ctx, totals()).estimateDetail(estId + 40);
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(prompter.log().first().contains(QStringLiteral(") in procedure GetHead of Module modDocs")));
    EXPECT_TRUE(report.startsWith(QStringLiteral("ESTIMATE DETAILS for Item Name")));
    EXPECT_TRUE(report.contains(QStringLiteral("Estimate Total:")));
}

TEST_F(DetailReportTest, BodyFailureKeepsWhatWasBuilt) {
    fillEstimate();
    qx::EstimateTotals& screen = totals();
    ctx->data.file(temp()).execScript(QStringLiteral("drop table tplineitems"));
    QTextDocument doc;
    qx::DocumentBuilder(*ctx, screen).BuildPage(qx::DocKind::Detail, estId, {}, doc);
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(
        prompter.log().first().contains(QStringLiteral(") in procedure GetDetails of Module modDocs")));
    EXPECT_TRUE(doc.toPlainText().startsWith(
        QStringLiteral("ESTIMATE DETAILS for SmithHouse * * 1207 Larch St * * Est ID:")));
    EXPECT_TRUE(doc.toPlainText().endsWith(QStringLiteral("Roofing\n")));
}

} // namespace
