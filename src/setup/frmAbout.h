#pragma once

#include <QDialog>

namespace qx {

class Prompter;

// The about box: the program's title and version, and a command that starts a system-information tool.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Prompter& prompter, QWidget* parent = nullptr);
};

} // namespace qx
