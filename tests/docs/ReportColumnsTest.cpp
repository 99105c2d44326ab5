#include "docs/ReportColumns.h"

#include <gtest/gtest.h>

namespace col = qx::ReportColumns;

namespace {

struct PadCase {
    const char* value;
    int column;
    bool isNumber;
    const char* expected;
};

class Padder : public ::testing::TestWithParam<PadCase> {};

TEST_P(Padder, FillsCutsOrWidens) {
    const PadCase& c = GetParam();
    const QString value = QString::fromUtf8(c.value);
    EXPECT_EQ((c.isNumber ? col::number(value, c.column) : col::text(value, c.column)).toStdString(),
              std::string(c.expected));
}

const PadCase kPadCases[] = {
    {"Shingles", 1, false, "Shingles                     "},
    {"Ice and Water Shield Self-Adhered Membrane", 1, false, "Ice and Water Shield Self-Ad "},
    {"Seal-A-Ridge Hip and Ridge Cap", 1, false, "Seal-A-Ridge Hip and Ridge C "},
    {"Drip Edge Aluminum 10 ft Whit", 1, false, "Drip Edge Aluminum 10 ft Whi "},
    {"Material", 2, false, "Material     "},
    {"12", 3, true, "12   "},
    {"123456", 3, true, "123456 "},
    {"BDL", 4, false, "BDL      "},
    {"$38.50", 5, true, "$38.50   "},
    {"$12,500.00", 5, true, "$12,500.00 "},
    {"$1,232.00", 6, true, " $1,232.00"},
    {"$123,456.78", 6, true, " $123,456.78"},
    {"Valley Metal", 27, false, " Valley Me"},
    {"7", 20, true, "7"},
    {"12", 20, true, " 12"},
    {"12", 21, true, "   12"},
    {"x", 15, false, ""},
    {"9", 0, true, ""},
};
INSTANTIATE_TEST_SUITE_P(Report, Padder, ::testing::ValuesIn(kPadCases));

TEST(ReportColumns, WidthsOfEveryColumn) {
    const std::pair<int, int> widths[] = {{1, 29},  {2, 13}, {3, 5},   {4, 9},   {5, 9},   {6, 10},  {7, 75},
                                          {8, 11},  {9, 12}, {10, 17}, {11, 22}, {12, 15}, {13, 20}, {14, 9},
                                          {20, 1},  {21, 5}, {22, 8},  {23, 9},  {24, 9},  {25, 8},  {26, 8},
                                          {27, 10}, {28, 7}, {29, 8},  {15, 0},  {30, 0},  {-1, 0}};
    for (const auto& [column, width] : widths)
        EXPECT_EQ(col::width(column), width) << column;
    for (int column : {1, 2, 3, 4, 5})
        EXPECT_FALSE(col::rightJustified(column)) << column;
    for (int column : {6, 7, 8, 9, 10, 11, 12, 13, 14, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29})
        EXPECT_TRUE(col::rightJustified(column)) << column;
}

TEST(ReportColumns, JoinedCellsCutOnlyTheirLabel) {
    EXPECT_EQ(col::joined(QStringLiteral("15%"), QStringLiteral(" - "), QStringLiteral("$150.00"), 10),
              QStringLiteral("    15% - $150.00"));
    const QString label = QStringLiteral("Total for ") + QString(70, u'S');
    const QString line = col::joined(label, QStringLiteral(" "), QStringLiteral("$1,005.00"), 7);
    EXPECT_EQ(line.size(), 75);
    EXPECT_TRUE(line.endsWith(QStringLiteral("SSS $1,005.00")));
    EXPECT_TRUE(line.startsWith(QStringLiteral(" Total for SSS")));
    // Even an amount wider than the whole column is kept whole.
    EXPECT_EQ(
        col::joined(QStringLiteral("12.5%"), QStringLiteral(" - "), QStringLiteral("$9,999,999,999.99"), 10),
        QStringLiteral(" - $9,999,999,999.99"));
}

TEST(ReportColumns, GroupedAmounts) {
    const std::pair<const char*, const char*> cases[] = {{"0", "0.00"},
                                                         {"5.5", "5.50"},
                                                         {"1234.5", "1,234.50"},
                                                         {"1000000", "1,000,000.00"},
                                                         {"-1234.567", "-1,234.57"},
                                                         {"0.005", "0.01"}};
    for (const auto& [plain, text] : cases)
        EXPECT_EQ(col::grouped(qx::Money::parsePlain(QLatin1String(plain)).value()), QLatin1String(text))
            << plain;
}

} // namespace
