#pragma once

#include <QObject>

#include <QWidget>

namespace qx {

// Input boxes turn light yellow and select their text when they get the focus, and white again when
// they lose it. install() puts the behaviour on a line edit, a text edit or an editable combo box.
class UiFocusColour : public QObject {
    Q_OBJECT
public:
    static void install(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // `painted` is the box itself, or the text part of an editable combo box.
    UiFocusColour(QWidget* watched, QWidget* painted)
        : QObject(watched)
        , m_painted(painted) {}
    QWidget* m_painted;
};

} // namespace qx
