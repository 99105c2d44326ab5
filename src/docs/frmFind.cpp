#include "docs/frmFind.h"

#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

frmFind::frmFind(const FindRequest& last, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));
    m_text = focusBox(QStringLiteral("txtFind"), this);
    m_text->setText(last.text);
    m_wholeWords = new QCheckBox(QStringLiteral("&Whole Words"), this);
    m_wholeWords->setObjectName(QStringLiteral("chkWholeWords"));
    m_wholeWords->setChecked(last.wholeWords());
    m_matchCase = new QCheckBox(QStringLiteral("&Match Case"), this);
    m_matchCase->setObjectName(QStringLiteral("chkMatchCase"));
    m_matchCase->setChecked(last.matchCase());
    QPushButton* find = namedButton(QStringLiteral("cmdFind"), QStringLiteral("&Find"), this);
    find->setDefault(true);
    QPushButton* cancel = namedButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this);
    connect(find, &QPushButton::clicked, this, [this] {
        CancelPressed = false;
        accept();
    });
    // Cancel, Escape and the window frame all leave CancelPressed set.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(plainLabel(QStringLiteral("Find:"), this), 0, 0);
    layout->addWidget(m_text, 0, 1, 1, 2);
    layout->addWidget(find, 0, 3);
    layout->addWidget(m_wholeWords, 1, 1);
    layout->addWidget(m_matchCase, 1, 2);
    layout->addWidget(cancel, 1, 3);
    m_text->setFocus();
}

FindRequest frmFind::request() const {
    FindRequest request;
    request.text = m_text->text();
    if (m_wholeWords->isChecked())
        request.options |= FindRequest::kWholeWords;
    if (m_matchCase->isChecked())
        request.options |= FindRequest::kMatchCase;
    return request;
}

} // namespace qx
