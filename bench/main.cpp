// Every speed figure of Quorvex in one run of one program, in a home folder of its own (nothing lands in
// the home of whoever runs it). Each RATIO is a contest: the program's path and its bare baseline run in
// turn in this process, and the figure is the ratio of their medians; GROWTH figures compare the
// program's own times at two sizes. One line per figure at the end:
//   RATIO save_5000, open_5000   saving and opening a 5,000-line estimate (baseline: bare SQLite, prepared
//                                statements, one transaction, keyed files like the program's)
//   RATIO add_line_5000          adding one line to 5,000 (baseline: the grid's rows in one transaction)
//   RATIO detail_report_5000     the estimate detail report (baseline: the same text from one query)
//   RATIO order_5000             opening the material order of 5,000 covering lines (baseline: the
//                                same lines read with one prepared statement)
//   RATIO startup                the program, started as a process, reporting its idle main window, greeting
//                                off (baseline: a bare Qt main window reporting the same)
//   RATIO status_20000           the status board showing its five lists, 20,000 estimates (baseline: bare
//                                SQLite reading the same rows)
//   RATIO open_list_20000        the open dialog with its four lists, same register (baseline: the same)
//   RATIO sales_20000            the Sales window with its figures and follow-up list (baseline: bare SQLite
//                                reading the register rows they cover)
//   RATIO picker_50000           the item picker opened on 50,000 materials and narrowed to a category
//                                (baseline: bare SQLite reading the same rows)
//   RATIO import_50000           a 50,000-row price list read, matched and imported (baseline: bare SQLite
//                                inserting the same rows in one transaction)
//   RATIO office_save_5000,      saving and opening a 5,000-line estimate on the office server, a PostgreSQL
//         office_open_5000       of the run's own (baseline: bare libpq, prepared statements, one
//                                transaction); left out when no server can be started
//   GROWTH save                  the program's save at 5,000 lines over its save at 500 (linear is 10)
//   GROWTH close                 closing (its backup of the changes) after one estimate changed, with 1,000
//                                estimates in the folder over 10 (linear is 100)
// Offscreen unless a platform is chosen: build/bench/quorvex_bench [words of contest names ...]
#include "Contest.h"
#include "Figures.h"
#include "PrivateHome.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const qxtest::PrivateHome home;
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    qxbench::FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    qxbench::runEndSteps();
    // Words left on the command line choose contests by name ("quorvex_bench Save Open").
    qxbench::runContests(reporter.times(), std::vector<std::string>(argv + 1, argv + argc));

    using Kind = qxbench::Figure::Kind;
    const qxbench::Figure figures[] = {
        {Kind::Ratio, "save_100", "BM_ProgramSave/100", "BM_BaselineSave/100"},
        {Kind::Ratio, "save_1000", "BM_ProgramSave/1000", "BM_BaselineSave/1000"},
        {Kind::Ratio, "save_5000", "BM_ProgramSave/5000", "BM_BaselineSave/5000"},
        {Kind::Ratio, "open_100", "BM_ProgramOpen/100", "BM_BaselineOpen/100"},
        {Kind::Ratio, "open_1000", "BM_ProgramOpen/1000", "BM_BaselineOpen/1000"},
        {Kind::Ratio, "open_5000", "BM_ProgramOpen/5000", "BM_BaselineOpen/5000"},
        {Kind::Ratio, "add_line_100", "BM_AddLineItem/100", "BM_AddLineBaseline/100"},
        {Kind::Ratio, "add_line_1000", "BM_AddLineItem/1000", "BM_AddLineBaseline/1000"},
        {Kind::Ratio, "add_line_5000", "BM_AddLineItem/5000", "BM_AddLineBaseline/5000"},
        {Kind::Ratio, "detail_report_100", "BM_DetailReport/100", "BM_DetailReportBaseline/100"},
        {Kind::Ratio, "detail_report_1000", "BM_DetailReport/1000", "BM_DetailReportBaseline/1000"},
        {Kind::Ratio, "detail_report_5000", "BM_DetailReport/5000", "BM_DetailReportBaseline/5000"},
        {Kind::Ratio, "order_5000", "BM_ProgramOrder/5000", "BM_BaselineOrder/5000"},
        {Kind::Ratio, "startup", "BM_ProgramStartup", "BM_BareWindowStartup"},
        {Kind::Ratio, "status_20000", "BM_StatusBoard/20000", "BM_StatusBoardBaseline/20000"},
        {Kind::Ratio, "open_list_20000", "BM_OpenList/20000", "BM_OpenListBaseline/20000"},
        {Kind::Ratio, "sales_20000", "BM_SalesPicture/20000", "BM_SalesPictureBaseline/20000"},
        {Kind::Ratio, "picker_50000", "BM_PickerOpen/50000", "BM_PickerBaseline/50000"},
        {Kind::Ratio, "import_50000", "BM_PriceListImport/50000", "BM_PriceListImportBaseline/50000"},
        {Kind::Ratio, "office_save_5000", "BM_OfficeSave/5000", "BM_OfficeSaveBaseline/5000"},
        {Kind::Ratio, "office_open_5000", "BM_OfficeOpen/5000", "BM_OfficeOpenBaseline/5000"},
        {Kind::Growth, "save", "BM_ProgramSave/5000", "BM_ProgramSave/500"},
        {Kind::Growth, "close", "BM_ProgramClose/1000", "BM_ProgramClose/10"},
        {Kind::Growth, "picker", "BM_PickerOpen/50000", "BM_PickerOpen/5000"},
        {Kind::Growth, "status", "BM_StatusBoard/20000", "BM_StatusBoard/2000"},
    };
    for (const auto& figure : figures)
        figure.print(reporter.times());
    return 0;
}
