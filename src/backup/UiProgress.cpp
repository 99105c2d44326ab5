#include "backup/UiProgress.h"

#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>

namespace qx {

UiProgress::UiProgress(QWidget* parent, const QString& title)
    : m_dialog(new QProgressDialog(parent)) {
    m_dialog->setObjectName(QStringLiteral("frmProgress"));
    m_dialog->setWindowTitle(title);
    m_dialog->setLabelText(title);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), m_dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_dialog->setCancelButton(cancel);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumWidth(420);
}

UiProgress::~UiProgress() {
    delete m_dialog.data();
}

ProgressStep UiProgress::step() {
    return [this](const QString& file, int done, int total) {
        if (!m_dialog)
            return false;
        if (done >= 0) {
            m_dialog->setMaximum(std::max(total, 1));
            m_dialog->setValue(std::min(done, std::max(total, 1)));
        }
        if (!file.isEmpty())
            m_dialog->setLabelText(QDir::toNativeSeparators(file));
        QCoreApplication::processEvents();
        return !m_dialog->wasCanceled();
    };
}

} // namespace qx
