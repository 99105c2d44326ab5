#include "widgets/UiFieldCheck.h"

#include "data/InputRules.h"

#include <QComboBox>
#include <QEvent>
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
        box, prompter,
        [](const QString& text) -> std::optional<QString> {
            const Measure measure = readMeasure(text);
            if (measure.ok())
                return std::nullopt;
            return measure.problem;
        },
        QStringLiteral("0"));
}

bool UiFieldCheck::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watched && m_box && event->type() == QEvent::FocusOut && !m_box->isReadOnly()) {
        // Checked once the event that moved the focus is done: when it was a click on a command, that
        // command runs first and refuses the same text itself (the box then has the focus again), and
        // when it closed the dialog there is nothing left to say.
        QTimer::singleShot(0, this, [this] {
            if (!m_box || !m_box->isVisible() || m_watched->hasFocus())
                return;
            const auto message = m_check(m_box->text());
            if (!message)
                return;
            m_box->setText(m_replacement);
            m_prompter.inform(kAppTitle, *message);
            m_watched->setFocus();
            m_box->selectAll();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qx
