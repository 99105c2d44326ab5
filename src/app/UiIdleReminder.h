#pragma once

#include <QWidget>

namespace qx {

// What the main window shows while idle: the program's name and the keys that start work, in plain
// labels (quick to lay out, so the window is up at once).
class UiIdleReminder : public QWidget {
public:
    explicit UiIdleReminder(QWidget* parent = nullptr);
};

} // namespace qx
