#include "app/UiIdleReminder.h"

#include "app/MainWindowTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qx {

namespace {

QLabel* label(const QString& text, int pointSize, bool bold, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    shown->setTextFormat(Qt::PlainText);
    QFont font = shown->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    shown->setFont(font);
    QPalette palette = shown->palette();
    palette.setColor(QPalette::WindowText, QColor(0x3a, 0x4a, 0x5a));
    shown->setPalette(palette);
    return shown;
}

} // namespace

UiIdleReminder::UiIdleReminder(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("lblIdle"));
    auto* column = new QVBoxLayout(this);
    column->addStretch(1);
    column->addWidget(label(kIdleTitle, 28, true, this), 0, Qt::AlignHCenter);
    column->addWidget(label(kIdleSubtitle, 12, false, this), 0, Qt::AlignHCenter);
    column->addSpacing(36);
    auto* commands = new QGridLayout;
    commands->setHorizontalSpacing(8);
    int row = 0;
    for (const IdleCommand& command : kIdleCommands) {
        commands->addWidget(label(QString::fromLatin1(command.key), 11, true, this), row, 0);
        commands->addWidget(label(QString::fromLatin1(command.command), 11, false, this), row, 1);
        ++row;
    }
    column->addLayout(commands);
    column->setAlignment(commands, Qt::AlignHCenter);
    column->addStretch(1);
}

} // namespace qx
