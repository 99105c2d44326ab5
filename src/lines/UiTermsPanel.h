#pragma once

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qx {

// The "Terms/Totals" tab: the category subtotals, the four administrative amounts, the totals, the
// summary and payment terms, and "Save && Close".
class UiTermsPanel : public QWidget {
    Q_OBJECT
public:
    explicit UiTermsPanel(QWidget* parent = nullptr);

    QPushButton* saveButton() const { return m_save; }
    // Back to the figures of an estimate without lines or amounts.
    void resetFigures();
    // Empties the summary and terms (the caller keeps this from counting as an edit).
    void clearTexts();
    // The summary and payment terms as typed, and an opened estimate's stored ones (the caller keeps
    // filling them from counting as an edit).
    QString summaryText() const;
    QString termsText() const;
    void setTexts(const QString& summary, const QString& terms);

signals:
    // The user changed the summary or the terms.
    void textEdited();

private:
    std::array<QLabel*, 7> m_subTotals{};
    std::array<QLabel*, 4> m_amounts{};
    QLabel* m_subTotal;
    QLabel* m_adminTotal;
    QLabel* m_estTotal;
    QPlainTextEdit* m_summary;
    QPlainTextEdit* m_terms;
    QPushButton* m_save;
};

} // namespace qx
