#pragma once

#include <QWidget>

class QPushButton;
class QTableView;

namespace qx {

class ResultTableModel;

// The "Line Items" tab: the estimate grid by section and the line commands.
class UiLinesPanel : public QWidget {
    Q_OBJECT
public:
    explicit UiLinesPanel(QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    ResultTableModel* model() const { return m_model; }
    // The grid's captions: what the estimate grid shows.
    static QStringList captions();

private:
    QTableView* m_grid;
    ResultTableModel* m_model;
};

} // namespace qx
