#pragma once

#include "data/Prompter.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;

namespace qx {

// Checks a box when it loses the focus: a refused text is replaced, the message shown and the focus
// given back. Every command that uses a box checks it again, first, so text left by a click on the
// command never slips through.
class UiFieldCheck : public QObject {
    Q_OBJECT
public:
    using Check = std::function<std::optional<QString>(const QString&)>;

    // `replacement` is what a refused text becomes ("" or "0").
    static void install(QLineEdit* box, Prompter& prompter, Check check, QString replacement);
    // The same for the text of an editable combo box (the box itself gets the focus events).
    static void install(QComboBox* box, Prompter& prompter, Check check, QString replacement);
    // The column-size rule: a longer text is refused with its message and the box cleared.
    static void installLength(QLineEdit* box, Prompter& prompter, int maxLength);
    static void installLength(QComboBox* box, Prompter& prompter, int maxLength);
    // The measure rule (readMeasure): anything but a number from 0 to 2147483647 is refused with its
    // message and the box reset to "0".
    static void installMeasure(QLineEdit* box, Prompter& prompter);

    // A command is about to check `box` itself (a line edit, or an editable combo box): the check that
    // leaving the box has put off is dropped, so that the two never speak one after the other, or one
    // over the other's message box.
    static void takeOver(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UiFieldCheck(QWidget* watched, QLineEdit* box, Prompter& prompter, Check check, QString replacement);
    // The box, while it is one: a box being destroyed still sends its focus-out (from QWidget's own
    // destructor), when it is no longer a line edit and must not be treated as one.
    QLineEdit* box() const;

    QPointer<QWidget> m_watched;
    QPointer<QObject> m_box;
    Prompter& m_prompter;
    Check m_check;
    QString m_replacement;
    bool m_pending = false; // the box was left and its check has not run yet
};

} // namespace qx
