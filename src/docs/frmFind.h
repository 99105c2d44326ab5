#pragma once

#include "docs/EditorFind.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace qx {

// The "Find" dialog: the text to look for and the whole-words and match-case options, filled with the
// last search. After it closes, CancelPressed tells whether the user cancelled.
class frmFind : public QDialog {
    Q_OBJECT
public:
    frmFind(const FindRequest& last, QWidget* parent = nullptr);

    bool CancelPressed = true;
    FindRequest request() const;

private:
    QLineEdit* m_text;
    QCheckBox* m_wholeWords;
    QCheckBox* m_matchCase;
};

} // namespace qx
