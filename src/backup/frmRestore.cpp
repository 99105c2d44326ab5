#include "backup/frmRestore.h"

#include "backup/BackupTexts.h"
#include "data/DateText.h"
#include "widgets/UiDialogButtons.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qx {

frmRestore::frmRestore(const QString& archive, const BackupPreview& preview, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(BackupTexts::kPreviewCaption);

    QLabel* file = plainLabel(QDir::toNativeSeparators(QFileInfo(archive).absoluteFilePath()), this);
    file->setObjectName(QStringLiteral("lblArchive"));
    QLabel* written = plainLabel(BackupTexts::written(QLocale().toString(
                                     preview.created, shortDateFormat() + QStringLiteral(" hh:mm"))),
                                 this);
    written->setObjectName(QStringLiteral("lblWritten"));
    QLabel* costItems = plainLabel(BackupTexts::costItems(preview.costItems), this);
    costItems->setObjectName(QStringLiteral("lblCostItems"));
    QLabel* dataHeldIn = plainLabel(BackupTexts::dataHeldIn(preview.dataHeldIn), this);
    dataHeldIn->setObjectName(QStringLiteral("lblDataHeldIn"));

    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("lstEstimates"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("Estimate"), QStringLiteral("Status"), QStringLiteral("Date"),
                           QStringLiteral("Held in")});
    for (const ArchivedEstimate& estimate : preview.estimates) {
        auto* row = new QTreeWidgetItem(list);
        row->setText(0, estimate.name);
        row->setText(1, estimate.status);
        row->setText(2, shownDate(estimate.date));
        row->setText(3, estimate.heldIn);
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->setMinimumSize(460, 240);

    QPushButton* restore =
        commandButton(QStringLiteral("cmdRestore"), QStringLiteral("Restore"), this, this, &QDialog::accept);
    QPushButton* cancel =
        commandButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), this, this, &QDialog::reject);
    cancel->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(written);
    layout->addWidget(list, 1);
    layout->addWidget(costItems);
    layout->addWidget(dataHeldIn);
    layout->addLayout(buttonRow({}, {restore, cancel}));
}

} // namespace qx
