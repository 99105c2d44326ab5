#include "Choices.h"

#include "UserInput.h"
#include "WidgetDumper.h"

#include <QComboBox>
#include <QListView>
#include <QTabBar>
#include <QTest>

namespace qx::uidrive::Choices {

namespace {

using UserInput::activate;
using UserInput::settle;

// The index of a row in the column the user would click: the current one, else the first shown.
QModelIndex rowIndex(const QAbstractItemView* view, int row) {
    const QModelIndex current = view->currentIndex();
    const QList<int> columns = WidgetDumper::shownColumns(view);
    const int column = current.isValid() ? current.column() : columns.value(0, 0);
    return view->model()->index(row, column, view->rootIndex());
}

QString checkRow(const QAbstractItemView* view, const QString& name, int row) {
    const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
    if (row >= rows)
        return QStringLiteral("%1 has %2 rows; there is no row %3").arg(name).arg(rows).arg(row);
    return {};
}

// Scrolls the row into view as a user would, and gives the point to click on; nullopt when the
// row cannot be seen (no width left for it).
std::optional<QPoint> pointOf(QAbstractItemView* view, const QModelIndex& index) {
    view->scrollTo(index);
    settle();
    const QRect rect = view->visualRect(index);
    if (!rect.isValid() || !view->viewport()->rect().contains(rect.center()))
        return std::nullopt;
    return rect.center();
}

QString clickIndex(QAbstractItemView* view, const QModelIndex& index, const QString& name) {
    activate(view->window());
    const auto point = pointOf(view, index);
    if (!point)
        return QStringLiteral("row %1 of %2 cannot be seen").arg(index.row()).arg(name);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, *point);
    return {};
}

QString selectInCombo(QComboBox* combo, const QString& name, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return QStringLiteral("%1 has no entry \"%2\"").arg(name, text);
    QPointer<QComboBox> guard(combo);
    activate(combo->window());
    UserInput::takeClickFocus(combo);
    if (!guard)
        return QStringLiteral("%1 was closed when it took the focus").arg(name);
    // A user's choice in the list: the current entry changes, then "activated" tells the choice.
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    if (guard)
        emit combo->textActivated(combo->itemText(index));
    return {};
}

QString selectInList(QAbstractItemView* view, const QString& name, const QString& text) {
    const QAbstractItemModel* model = view->model();
    const QList<int> columns = WidgetDumper::shownColumns(view);
    if (!model || columns.isEmpty())
        return QStringLiteral("%1 has no entries").arg(name);
    const int rows = model->rowCount(view->rootIndex());
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model->index(row, columns.first(), view->rootIndex());
        if (index.data(Qt::DisplayRole).toString() == text)
            return clickIndex(view, index, name);
    }
    return QStringLiteral("%1 has no entry \"%2\"").arg(name, text);
}

} // namespace

QString chooseTab(QTabBar* bar, int index, const QString& name) {
    if (!bar->isTabEnabled(index))
        return QStringLiteral("tab %1 (\"%2\") of %3 is disabled").arg(index).arg(bar->tabText(index), name);
    if (!bar->isTabVisible(index))
        return QStringLiteral("tab %1 (\"%2\") of %3 is hidden").arg(index).arg(bar->tabText(index), name);
    activate(bar->window());
    // A click on the tab itself, so that the tab bar reports the click as well as the change.
    const QRect rect = bar->tabRect(index);
    if (rect.isValid() && bar->rect().contains(rect.center()))
        QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
    else
        bar->setCurrentIndex(index);
    return {};
}

QString select(const Target& target, const QString& name, const QString& text) {
    if (const QString why = whyNotActionable(target, name); !why.isEmpty())
        return why;
    if (QTabBar* bar = target.tabBar()) {
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->tabText(i) == text || plainCaption(bar->tabText(i)) == text)
                return chooseTab(bar, i, name);
        }
        return QStringLiteral("%1 has no tab \"%2\"").arg(name, text);
    }
    if (auto* combo = qobject_cast<QComboBox*>(target.widget()))
        return selectInCombo(combo, name, text);
    if (auto* list = qobject_cast<QListView*>(target.widget()))
        return selectInList(list, name, text);
    return QStringLiteral("%1 is not a combo box, list or tab control").arg(name);
}

// The grid or list a row step acts on, or why the step cannot act on it.
static QString rowStepProblem(const Target& target, const QString& name, int row, QAbstractItemView*& view) {
    view = WidgetDumper::itemView(target);
    if (!view)
        return QStringLiteral("%1 is not a grid or list").arg(name);
    if (const QString why = whyNotActionable(target, name); !why.isEmpty())
        return why;
    return checkRow(view, name, row);
}

QString makeRowCurrent(const Target& target, const QString& name, int row) {
    QAbstractItemView* view = nullptr;
    if (const QString why = rowStepProblem(target, name, row, view); !why.isEmpty())
        return why;
    const QModelIndex index = rowIndex(view, row);
    view->setCurrentIndex(index);
    view->scrollTo(index);
    return {};
}

QString doubleClickRow(const Target& target, const QString& name, int row) {
    QAbstractItemView* found = nullptr;
    if (const QString why = rowStepProblem(target, name, row, found); !why.isEmpty())
        return why;
    QPointer<QAbstractItemView> view = found;
    const QPersistentModelIndex index = rowIndex(view, row);
    // A double click starts as a click: the row is pressed first, then clicked again.
    if (const QString why = clickIndex(view, index, name); !why.isEmpty())
        return why;
    settle();
    if (!view || !index.isValid())
        return QStringLiteral("row %1 of %2 went away after the first click").arg(row).arg(name);
    const auto point = pointOf(view, index);
    if (!point)
        return QStringLiteral("row %1 of %2 cannot be seen").arg(row).arg(name);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, *point);
    return {};
}

} // namespace qx::uidrive::Choices
