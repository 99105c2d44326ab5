#pragma once

#include <QDialog>

class QCheckBox;

namespace qx {

class SettingsStore;

// The greeting box: how to get started, and a check box to stop showing it.
class frmGreeting : public QDialog {
    Q_OBJECT
public:
    frmGreeting(SettingsStore& store, QWidget* parent = nullptr);

private:
    void okay();

    SettingsStore& m_store;
    QCheckBox* m_show;
};

} // namespace qx
