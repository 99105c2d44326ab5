#include "widgets/UiFocusColour.h"

#include "data/InputRules.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace qx {

namespace {

void paint(QWidget* box, bool focused) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base,
                     focused ? QColor(kFocusRed, kFocusGreen, kFocusBlue) : QColor(Qt::white));
    box->setPalette(palette);
}

void selectAll(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        // Deferred: a mouse click that gave the focus would otherwise place the cursor afterwards.
        QTimer::singleShot(0, line, &QLineEdit::selectAll);
    else if (auto* text = qobject_cast<QTextEdit*>(box))
        text->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->selectAll();
}

} // namespace

void UiFocusColour::install(QWidget* box) {
    // An editable combo box gets the focus events itself; its text part is what changes colour.
    QWidget* painted = box;
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        painted = combo->lineEdit();
    box->installEventFilter(new UiFocusColour(box, painted));
    paint(painted, false);
}

bool UiFocusColour::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        paint(m_painted, true);
        selectAll(m_painted);
    } else if (event->type() == QEvent::FocusOut) {
        paint(m_painted, false);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qx
