#include "WidgetDumper.h"
#include "DriveWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>

using namespace qx::uidrive;

namespace {

class DumpFormat : public qxtest::DriveWindowTest {
protected:
    QStringList dump(const QString& name) const {
        return WidgetDumper::dumpLines(name, target(name)).value_or(QStringList{"(nothing)"});
    }
    QString expected(const QString& name) const {
        return WidgetDumper::expectedValue(target(name)).value_or("(nothing)");
    }
};

TEST_F(DumpFormat, BoxesLabelsAndChoicesShowTheirText) {
    add<QLineEdit>("txtName", "O'Neil");
    add<QLabel>("lblTotal", "<b>Total</b> area");
    add<QLabel>("lblPlain", "Tear off & haul");
    auto* captioned = add<QLabel>("lblName", "&Name:");
    captioned->setBuddy(add<QLineEdit>("txtBuddy"));
    auto* combo = add<QComboBox>("cboShape");
    combo->addItems({"Rect", "Trap"});
    combo->setCurrentIndex(1);
    add<QCheckBox>("chkOff");
    add<QRadioButton>("optOn")->setChecked(true);
    add<QPlainTextEdit>("txtNotes")->setPlainText("Ridge vent\nNew flashing");
    auto* tabs = add<QTabWidget>("tabMain");
    tabs->addTab(new QWidget, "Home &Owner");
    tabs->addTab(new QWidget, "&Roof");
    show();

    EXPECT_EQ(dump("txtName"), QStringList{"txtName: O'Neil"});
    EXPECT_EQ(dump("lblTotal"), QStringList{"lblTotal: Total area"});
    // Without a buddy a label shows its '&' as it is.
    EXPECT_EQ(dump("lblPlain"), QStringList{"lblPlain: Tear off & haul"});
    EXPECT_EQ(dump("lblName"), QStringList{"lblName: Name:"});
    EXPECT_EQ(dump("cboShape"), QStringList{"cboShape: Trap"});
    EXPECT_EQ(dump("chkOff"), QStringList{"chkOff: 0"});
    EXPECT_EQ(dump("optOn"), QStringList{"optOn: 1"});
    EXPECT_EQ(dump("txtNotes"), QStringList{"txtNotes: Ridge vent\\nNew flashing"});
    EXPECT_EQ(expected("txtNotes"), "Ridge vent\nNew flashing");
    EXPECT_EQ(dump("tabMain"), QStringList{"tabMain: Home Owner"});
    EXPECT_EQ(dump("tabMain:1"), QStringList{"tabMain:1: Roof"});
}

TEST_F(DumpFormat, AStatusBarJoinsItsPanelsLeftToRight) {
    auto* bar = new QStatusBar;
    bar->setObjectName("StatusBar1");
    window->setStatusBar(bar);
    auto* ready = new QLabel("Ready");
    auto* numLock = new QLabel("NUM");
    auto* mode = new QLabel("Mode: <i>Idle</i>");
    auto* gone = new QLabel("Hidden");
    bar->addWidget(ready);
    bar->addPermanentWidget(numLock);
    // Made last, shown first.
    bar->insertWidget(0, mode);
    bar->addWidget(gone);
    gone->hide();
    show();

    EXPECT_EQ(dump("StatusBar1"), QStringList{"StatusBar1: Mode: Idle | Ready | NUM"});
}

TEST_F(DumpFormat, AGridShowsItsRowCountCaptionsAndCellsAsShown) {
    QStandardItemModel model(0, 4);
    model.setHorizontalHeaderLabels({"Area", "Squares", "AreaID", "Done"});
    auto cells = [](const QString& area, double squares, bool done) {
        auto* doneCell = new QStandardItem;
        doneCell->setCheckable(true);
        doneCell->setCheckState(done ? Qt::Checked : Qt::Unchecked);
        auto* squaresCell = new QStandardItem;
        squaresCell->setData(squares, Qt::DisplayRole);
        return QList<QStandardItem*>{new QStandardItem(area), squaresCell, new QStandardItem("7"), doneCell};
    };
    model.appendRow(cells("Main roof", 1234.5, true));
    model.appendRow(cells("Porch\nleft", 12, false));
    auto* grid = add<QTableView>("grdAreas");
    grid->setModel(&model);
    grid->setColumnHidden(2, true);
    show();

    EXPECT_EQ(dump("grdAreas"),
              (QStringList{"grdAreas: 2 rows", "grdAreas[h]: Area | Squares | Done",
                           "grdAreas[0]: Main roof | 1,234.5 | 1", "grdAreas[1]: Porch\\nleft | 12 | 0"}));
    // expect compares a grid's row count.
    EXPECT_EQ(expected("grdAreas"), "2");
}

TEST_F(DumpFormat, AListShowsItsRowsWithoutCaptions) {
    add<QListWidget>("lstTypes")->addItems({"Ridge", "Valley"});
    add<QListWidget>("lstEmpty");
    show();

    EXPECT_EQ(dump("lstTypes"),
              (QStringList{"lstTypes: 2 rows", "lstTypes[0]: Ridge", "lstTypes[1]: Valley"}));
    EXPECT_EQ(dump("lstEmpty"), QStringList{"lstEmpty: 0 rows"});
    EXPECT_EQ(expected("lstEmpty"), "0");
}

} // namespace
