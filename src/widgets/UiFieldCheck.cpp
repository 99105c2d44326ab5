#include "widgets/UiFieldCheck.h"

#include "data/InputRules.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace qx {

UiFieldCheck::UiFieldCheck(QWidget* watched, QLineEdit* box, Prompter& prompter, Check check,
                           QString replacement)
    : QObject(watched)
    , m_watched(watched)
    , m_box(box)
    , m_prompter(prompter)
    , m_check(std::move(check))
    , m_replacement(std::move(replacement)) {}

QLineEdit* UiFieldCheck::box() const {
    return qobject_cast<QLineEdit*>(m_box.data());
}

void UiFieldCheck::install(QLineEdit* box, Prompter& prompter, Check check, QString replacement) {
    box->installEventFilter(new UiFieldCheck(box, box, prompter, std::move(check), std::move(replacement)));
}

void UiFieldCheck::install(QComboBox* box, Prompter& prompter, Check check, QString replacement) {
    box->installEventFilter(
        new UiFieldCheck(box, box->lineEdit(), prompter, std::move(check), std::move(replacement)));
}

void UiFieldCheck::installLength(QComboBox* box, Prompter& prompter, int maxLength) {
    install(
        box, prompter, [maxLength](const QString& text) { return checkLength(text, maxLength); }, QString());
}

void UiFieldCheck::installLength(QLineEdit* box, Prompter& prompter, int maxLength) {
    install(
        box, prompter, [maxLength](const QString& text) { return checkLength(text, maxLength); }, QString());
}

void UiFieldCheck::installMeasure(QLineEdit* box, Prompter& prompter) {
    install(
        box, prompter, [](const QString& text) { return checkMeasure(text); }, kNumberReset);
}

void UiFieldCheck::takeOver(QWidget* box) {
    // The text part of an editable combo box hands the check to the combo box.
    QWidget* watched = qobject_cast<QComboBox*>(box->parentWidget()) ? box->parentWidget() : box;
    for (UiFieldCheck* check : watched->findChildren<UiFieldCheck*>(Qt::FindDirectChildrenOnly))
        check->m_pending = false;
}

namespace {

// The focus leaves a box when the user moves on (Tab, a click elsewhere, a command's own focusing),
// not when another window comes to the front (a message box, another program) or a box's own popup
// opens: the box still has the focus within its window then.
bool leavesTheBox(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

bool UiFieldCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watched && event->type() == QEvent::FocusOut && box() && !box()->isReadOnly() &&
        leavesTheBox(static_cast<QFocusEvent*>(event)->reason())) {
        // Checked once the event that moved the focus is done: when it was a click on a command, that
        // command has taken the box over (see takeOver) and judged it itself, and when it closed the
        // dialog there is nothing left to say.
        m_pending = true;
        QTimer::singleShot(0, this, [this] {
            if (!m_pending)
                return;
            m_pending = false;
            QLineEdit* const box = this->box();
            if (!box || !box->isVisible() || m_watched->hasFocus())
                return;
            const auto message = m_check(box->text());
            if (!message)
                return;
            // The box the focus went to was only passed through: sent back from it, it was not left.
            QPointer<QWidget> passedThrough = QApplication::focusWidget();
            box->setText(m_replacement);
            m_prompter.inform(kAppTitle, *message);
            m_watched->setFocus();
            box->selectAll();
            if (passedThrough && passedThrough != m_watched)
                takeOver(passedThrough);
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qx
