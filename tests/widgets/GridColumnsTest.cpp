#include "UserLocale.h"

#include "data/ResultTableModel.h"
#include "widgets/UiFormWidgets.h"

#include <QTableView>
#include <gtest/gtest.h>
#include <memory>

using namespace qx;

namespace {

ResultSet dateRows(int count, int firstDated, const QString& date) {
    ResultSet rows;
    rows.columns = {QStringLiteral("ID"), QStringLiteral("PriceDate")};
    for (int i = 0; i < count; ++i)
        rows.rows.append({i, i < firstDated ? QVariant() : QVariant(date)});
    return rows;
}

// A grid of `rows` with a date column, shown as the cost grids show theirs.
std::unique_ptr<QTableView> dateGrid(const ResultSet& rows) {
    auto* model = new ResultTableModel;
    model->setDateColumns({1});
    std::unique_ptr<QTableView> view(resultGrid(QStringLiteral("grid"), model, nullptr));
    model->setParent(view.get());
    view->resize(400, 300);
    view->show();
    showRows(view.get(), rows, {QStringLiteral("ID"), QStringLiteral("D")});
    return view;
}

// A date column shows a whole date in the user's format, whichever rows the sizing looked at: a long
// catalogue whose dated items come last, and one with no date yet, size it as a short one does.
TEST(GridColumnsTest, ADateColumnHoldsAWholeDate) {
    const struct {
        const char* locale;
        int rows;
        int firstDated; // rows before it have no date
    } cases[] = {{"en_US", 3, 0}, {"en_US", 3000, 2990}, {"en_US", 5, 5}, {"de_DE", 3000, 2990}};
    for (const auto& c : cases) {
        const qxtest::UserLocale locale(c.locale);
        const QString widest = QStringLiteral("2000-12-28");
        const auto grid = dateGrid(dateRows(c.rows, c.firstDated, widest));
        // The room the widest date takes in a grid where every row shows it.
        const auto full = dateGrid(dateRows(1, 0, widest));
        const int needed = full->sizeHintForIndex(full->model()->index(0, 1)).width();
        EXPECT_GE(grid->columnWidth(1), needed) << c.locale << " " << c.rows << " rows";
    }
}

} // namespace
