#include "WidgetDumper.h"

#include "Output.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableView>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeView>
#include <algorithm>

namespace qx::uidrive::WidgetDumper {

namespace {

QString checkText(bool checked) {
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

QString labelText(const QLabel* label) {
    if (label->buddy())
        return plainCaption(label->text());
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// The status bar's panels, left to right (in the order they were made while not laid out yet).
QString statusText(const QStatusBar* bar) {
    QList<QLabel*> panels = bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    panels.removeIf([](const QLabel* label) { return label->isHidden(); });
    if (panels.isEmpty())
        return bar->currentMessage();
    std::stable_sort(panels.begin(), panels.end(),
                     [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
    QStringList texts;
    for (const QLabel* panel : panels)
        texts << labelText(panel);
    return texts.join(QStringLiteral(" | "));
}

std::optional<QString> widgetText(const QWidget* widget) {
    // A password box shows its mask, never the password; any other box its text as held, so control
    // characters typed into it read back as they are.
    if (auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->echoMode() == QLineEdit::Normal ? box->text() : box->displayText();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return labelText(label);
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->isCheckable() ? checkText(button->isChecked()) : plainCaption(button->text());
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->isCheckable() ? checkText(frame->isChecked()) : plainCaption(frame->title());
    if (auto* editor = qobject_cast<const QPlainTextEdit*>(widget))
        return editor->toPlainText();
    if (auto* editor = qobject_cast<const QTextEdit*>(widget))
        return editor->toPlainText();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
        return spin->text();
    if (auto* bar = qobject_cast<const QStatusBar*>(widget))
        return statusText(bar);
    if (auto* tabs = qobject_cast<const QTabWidget*>(widget))
        return plainCaption(tabs->tabText(tabs->currentIndex()));
    if (auto* bar = qobject_cast<const QTabBar*>(widget))
        return plainCaption(bar->tabText(bar->currentIndex()));
    if (auto* progress = qobject_cast<const QProgressBar*>(widget))
        return QString::number(progress->value());
    if (auto* slider = qobject_cast<const QAbstractSlider*>(widget))
        return QString::number(slider->value());
    if (widget && widget->isWindow())
        return widget->windowTitle();
    return std::nullopt;
}

// A cell as the view draws it: the delegate's display text (numbers in the user's format), or the
// state of a check box cell that has no text.
QString cellText(const QAbstractItemView* view, const QModelIndex& index) {
    const QVariant value = index.data(Qt::DisplayRole);
    QString text = value.toString();
    if (auto* delegate = qobject_cast<QStyledItemDelegate*>(view->itemDelegateForIndex(index));
        delegate && value.isValid())
        text = delegate->displayText(value, view->locale());
    const QVariant check = index.data(Qt::CheckStateRole);
    if (text.isEmpty() && check.isValid())
        text = checkText(check.toInt() != Qt::Unchecked);
    return oneLine(text);
}

bool isColumnShown(const QAbstractItemView* view, int column) {
    if (auto* table = qobject_cast<const QTableView*>(view))
        return !table->isColumnHidden(column);
    if (auto* tree = qobject_cast<const QTreeView*>(view))
        return !tree->isColumnHidden(column);
    return true;
}

} // namespace

QList<int> shownColumns(const QAbstractItemView* view) {
    QList<int> columns;
    if (!view->model())
        return columns;
    if (auto* list = qobject_cast<const QListView*>(view))
        return {list->modelColumn()};
    const int count = view->model()->columnCount(view->rootIndex());
    for (int column = 0; column < count; ++column) {
        if (isColumnShown(view, column))
            columns << column;
    }
    return columns;
}

namespace {

QStringList viewLines(const QString& name, const QAbstractItemView* view) {
    const QAbstractItemModel* model = view->model();
    const int rows = model ? model->rowCount(view->rootIndex()) : 0;
    QStringList lines{QStringLiteral("%1: %2 rows").arg(name).arg(rows)};
    if (!model)
        return lines;
    const QList<int> columns = shownColumns(view);
    const bool grid = qobject_cast<const QTableView*>(view) || qobject_cast<const QTreeView*>(view);
    if (grid) {
        QStringList captions;
        for (int column : columns)
            captions << oneLine(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        lines << QStringLiteral("%1[h]: %2").arg(name, captions.join(QStringLiteral(" | ")));
    }
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int column : columns)
            cells << cellText(view, model->index(row, column, view->rootIndex()));
        lines << QStringLiteral("%1[%2]: %3").arg(name).arg(row).arg(cells.join(QStringLiteral(" | ")));
    }
    return lines;
}

} // namespace

QAbstractItemView* itemView(const Target& target) {
    return target.isTab() ? nullptr : qobject_cast<QAbstractItemView*>(target.object.data());
}

std::optional<QString> shownText(const Target& target) {
    if (target.isTab())
        return plainCaption(target.tabBar()->tabText(target.tab));
    if (const QMenu* menu = target.menu())
        return plainCaption(menu->title());
    if (const QAction* action = target.action())
        return action->isCheckable() ? checkText(action->isChecked()) : plainCaption(action->text());
    return widgetText(target.widget());
}

std::optional<QStringList> dumpLines(const QString& name, const Target& target) {
    if (const QAbstractItemView* view = itemView(target))
        return viewLines(name, view);
    const std::optional<QString> text = shownText(target);
    if (!text)
        return std::nullopt;
    return QStringList{QStringLiteral("%1: %2").arg(name, oneLine(*text))};
}

std::optional<QString> expectedValue(const Target& target) {
    if (const QAbstractItemView* view = itemView(target))
        return QString::number(view->model() ? view->model()->rowCount(view->rootIndex()) : 0);
    return shownText(target);
}

} // namespace qx::uidrive::WidgetDumper
