#include "widgets/UiFormWidgets.h"

#include "data/DateText.h"
#include "data/ResultTableModel.h"

#include <QCompleter>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>

namespace qx {

namespace {

// An object being destroyed is, while its base classes' destructors run, no longer of its own type.
class Whole {
public:
    explicit Whole(QObject* object)
        : m_object(object)
        , m_type(object->metaObject()) {}
    bool operator()() const { return m_object && m_object->metaObject() == m_type; }

private:
    QPointer<QObject> m_object;
    const QMetaObject* m_type;
};

class LeaveFilter : public QObject {
public:
    LeaveFilter(QWidget* box, QObject* form, std::function<void()> left)
        : QObject(box)
        , m_box(box)
        , m_form(form)
        , m_left(std::move(left)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A box being destroyed, or one whose form is, still loses the focus: that is no leaving.
        if (event->type() == QEvent::FocusOut && m_box() && m_form())
            m_left();
        return QObject::eventFilter(watched, event);
    }

private:
    Whole m_box;
    Whole m_form;
    std::function<void()> m_left;
};

} // namespace

QComboBox* typedComboBox(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    return box;
}

void setEntries(QComboBox* box, const QStringList& entries) {
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
}

namespace {

// How many rows decide the widths of a grid's columns and whether its rows are sized one by one.
constexpr int kSizedRows = 500;

} // namespace

QTableView* resultGrid(const QString& name, ResultTableModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
    // A column is sized from the rows in view and the first rows beside them, not from every row: a
    // catalogue of tens of thousands of items shows without a pause.
    view->horizontalHeader()->setResizeContentsPrecision(kSizedRows);
    return view;
}

void fitColumns(QTableView* view, int widest) {
    const auto* model = qobject_cast<const ResultTableModel*>(view->model());
    view->resizeColumnsToContents();
    // A cell's text sits between the margins the item delegate leaves on either side.
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const int dateWidth = view->fontMetrics().horizontalAdvance(longestDateText()) + margins;
    for (int column = 0; column < model->columnCount(); ++column) {
        const int width = std::min(view->columnWidth(column), widest);
        view->setColumnWidth(column, model->isDateColumn(column) ? std::max(width, dateWidth) : width);
    }
}

void showRows(QTableView* view, const ResultSet& rows, const QStringList& captions) {
    // A description can run to 255 characters: a column is never wider than this, longer texts are cut.
    constexpr int kWidest = 280;
    auto* model = qobject_cast<ResultTableModel*>(view->model());
    model->setResult(rows, captions);
    fitColumns(view, kWidest);
    // Rows of a long list keep the one height of a line of text.
    if (model->rowCount() <= kSizedRows)
        view->resizeRowsToContents();
    if (model->rowCount() > 0)
        view->setCurrentIndex(model->index(0, 0));
}

qint32 currentKey(const QTableView* view) {
    const auto* model = qobject_cast<const ResultTableModel*>(view->model());
    if (!model || model->rowCount() == 0)
        return 0;
    const int row = std::max(0, view->currentIndex().row());
    return qint32(model->cell(row, 0).toLongLong());
}

void onLeave(QWidget* box, QObject* form, std::function<void()> left) {
    box->installEventFilter(new LeaveFilter(box, form, std::move(left)));
}

void fillKeyedList(QListWidget* list, const QStringList& texts, const QList<qint64>& ids) {
    list->clear();
    list->addItems(texts);
    // The ids are no part of what the list shows: no view needs to hear of them.
    const QSignalBlocker quiet(list->model());
    for (int row = 0; row < ids.size() && row < list->count(); ++row)
        list->item(row)->setData(Qt::UserRole, ids.at(row));
}

UiClickLabel::UiClickLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void UiClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace qx
