#include "setup/frmAbout.h"

#include "setup/AboutBox.h"
#include "widgets/UiControls.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace qx {

frmAbout::frmAbout(Prompter& prompter, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AboutBox::caption());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    auto* title = new QLabel(kAppTitle, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = new QLabel(AboutBox::versionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));

    QPushButton* ok = namedButton(QStringLiteral("cmdOK"), QStringLiteral("OK"), this);
    ok->setDefault(true);
    QPushButton* sysInfo = namedButton(QStringLiteral("cmdSysInfo"), QStringLiteral("&System Info..."), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, [&prompter] { AboutBox::startSystemInfo(prompter); });

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->setRowMinimumHeight(2, 24);
    layout->setColumnStretch(1, 1);
    layout->addWidget(ok, 3, 2);
    layout->addWidget(sysInfo, 4, 2);
    setMinimumWidth(380);
}

} // namespace qx
