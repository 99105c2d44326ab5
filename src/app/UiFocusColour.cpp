#include "app/UiFocusColour.h"

#include "data/TextRules.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace qx {

namespace {

void paint(QWidget* box, bool focused)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, focused ? QColor(kFocusRed, kFocusGreen, kFocusBlue) : QColor(Qt::white));
    box->setPalette(palette);
}

void selectAll(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        // Deferred: a mouse click that gave the focus would otherwise place the cursor afterwards.
        QTimer::singleShot(0, line, &QLineEdit::selectAll);
    else if (auto* text = qobject_cast<QTextEdit*>(box))
        text->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->selectAll();
}

} // namespace

void UiFocusColour::install(QWidget* box)
{
    QWidget* target = box;
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        target = combo->lineEdit();
    target->installEventFilter(new UiFocusColour(target));
    paint(target, false);
}

bool UiFocusColour::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    if (box && event->type() == QEvent::FocusIn) {
        paint(box, true);
        selectAll(box);
    } else if (box && event->type() == QEvent::FocusOut) {
        paint(box, false);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qx
