#pragma once

#include <QComboBox>
#include <QLabel>
#include <functional>

class QLineEdit;
class QListWidget;
class QTableView;

namespace qx {
class ResultTableModel;
struct ResultSet;
} // namespace qx

namespace qx {

// Small widget pieces the cost screens, the item picker and the section dialog share.

// An editable list box whose text stays as typed: no inline completion replaces it and no list entry
// of another letter case takes its place (a popup of matches is still offered).
QComboBox* typedComboBox(const QString& name, QWidget* parent);
// Replaces a list box's entries, keeping its typed text empty.
void setEntries(QComboBox* box, const QStringList& entries);

// A read-only grid of whole rows showing `model`.
QTableView* resultGrid(const QString& name, ResultTableModel* model, QWidget* parent);
// Refills a grid and makes its first row current; the columns fit their contents, long texts cut.
void showRows(QTableView* view, const ResultSet& rows, const QStringList& captions);
// Sizes a grid's columns to what they hold, none wider than `widest` pixels, and each date column to a
// whole date in the user's format, whatever rows the sizing looked at.
void fitColumns(QTableView* view, int widest);
// The key (first column) of a grid's current row; 0 when the grid is empty.
qint32 currentKey(const QTableView* view);

// Replaces a list's rows with `texts`, row i carrying `ids[i]` as its item data (Qt::UserRole). The rows
// go in at once: a list of 20,000 estimates fills several times faster than row by row.
void fillKeyedList(QListWidget* list, const QStringList& texts, const QList<qint64>& ids);

// Runs `left` each time `box` loses the focus while `form`, whose members `left` uses, is whole: a form
// being destroyed hides its window, and its boxes lose the focus then, after the form's own part is gone.
void onLeave(QWidget* box, QObject* form, std::function<void()> left);

// A label that acts on a click (the "%" labels of the labor rate editor).
class UiClickLabel : public QLabel {
    Q_OBJECT
public:
    UiClickLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace qx
