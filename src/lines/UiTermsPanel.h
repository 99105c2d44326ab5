#pragma once

#include "lines/EstimateTotals.h"

#include <QGroupBox>
#include <QWidget>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qx {

// A frame that acts on a click (the administrative amounts' frames).
class UiClickFrame : public QGroupBox {
    Q_OBJECT
public:
    UiClickFrame(const QString& caption, QWidget* parent);

signals:
    void frameClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The "Terms/Totals" tab: the category subtotals, the four administrative amounts (a click on a frame
// changes that amount), the totals, the summary and payment terms, and "Save && Close".
class UiTermsPanel : public QWidget {
    Q_OBJECT
public:
    UiTermsPanel(AppContext& ctx, EstimateTotals& totals, QWidget* parent = nullptr);

    QPushButton* saveButton() const { return m_save; }
    // Shows every figure as the totals hold them.
    void showTotals();
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
    // An administrative amount was edited (or its dialog cancelled): the estimate counts as changed.
    void amountsEdited();

private:
    void editAmount(int index);

    AppContext& m_ctx;
    EstimateTotals& m_totals;
    std::array<QLabel*, kCategoryCount + 1> m_subTotals{};
    std::array<QLabel*, EstimateTotals::kAdminCount> m_kinds{};
    std::array<QLabel*, EstimateTotals::kAdminCount> m_amounts{};
    QLabel* m_subTotal;
    QLabel* m_adminTotal;
    QLabel* m_estTotal;
    QPlainTextEdit* m_summary;
    QPlainTextEdit* m_terms;
    QPushButton* m_save;
};

} // namespace qx
