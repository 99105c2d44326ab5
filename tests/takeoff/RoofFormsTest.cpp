#include "FormDriver.h"
#include "TakeoffFixture.h"
#include "takeoff/TakeoffTexts.h"
#include "takeoff/UiRoofPanel.h"
#include "takeoff/frmAreas.h"
#include "takeoff/frmLineal.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>

using namespace qx;

namespace qxtest {

namespace {

void fillArea(QDialog& dialog, const QString& shape, const QString& width1, const QString& width2,
              const QString& height) {
    if (!shape.isEmpty())
        choose(get<QComboBox>(&dialog, "cmbShape"), shape);
    get<QLineEdit>(&dialog, "txtAreas_1")->setText(width1);
    get<QLineEdit>(&dialog, "txtAreas_2")->setText(width2);
    get<QLineEdit>(&dialog, "txtAreas_3")->setText(height);
}

void fillLineal(QDialog& dialog, const QString& name, const QString& type, const QString& length) {
    get<QLineEdit>(&dialog, "txtLineal_1")->setText(name);
    if (!type.isEmpty())
        choose(get<QComboBox>(&dialog, "cmbLineal"), type);
    get<QLineEdit>(&dialog, "txtLineal_2")->setText(length);
}

} // namespace

class RoofFormsTest : public TakeoffTest {
protected:
    frmLineal* linealDialog(double area, std::optional<std::pair<qint32, LinealItem>> editing = {}) {
        lineal = std::make_unique<frmLineal>(ctx->data, area, std::move(editing));
        return lineal.get();
    }
    std::unique_ptr<frmLineal> lineal;
};

// ---- The Areas dialog ----------------------------------------------------------------------------

TEST_F(RoofFormsTest, AreasDialogShowsOnlyTheBoxesOfTheChosenShape) {
    frmAreas dialog(prompter, std::nullopt);
    showActive(&dialog);
    auto shown = [&](const char* name) { return get(&dialog, name)->isVisible(); };
    EXPECT_EQ(get<QComboBox>(&dialog, "cmbShape")->currentIndex(), -1);
    for (const char* name :
         {"txtAreas_1", "txtAreas_2", "txtAreas_3", "lblAreas_1", "lblAreas_2", "lblAreas_3"})
        EXPECT_FALSE(shown(name)) << name;
    // A new area has no number yet: "Area #:" stands there, empty.
    EXPECT_TRUE(shown("lblAreas_0") && shown("txtAreas_0"));
    EXPECT_EQ(get<QLineEdit>(&dialog, "txtAreas_0")->text(), "");

    choose(get<QComboBox>(&dialog, "cmbShape"), "Trap");
    EXPECT_TRUE(shown("txtAreas_1") && shown("txtAreas_2") && shown("txtAreas_3") && shown("lblAreas_2"));
    EXPECT_EQ(get<QLabel>(&dialog, "lblAreas_1")->text(), "Top:");
    EXPECT_TRUE(shown("txtAreas_0"));

    for (const char* shape : {"Sq/Rect", "Tri"}) {
        choose(get<QComboBox>(&dialog, "cmbShape"), shape);
        EXPECT_TRUE(shown("txtAreas_1") && shown("txtAreas_3")) << shape;
        EXPECT_FALSE(shown("txtAreas_2") || shown("lblAreas_2")) << shape;
        EXPECT_EQ(get<QLabel>(&dialog, "lblAreas_1")->text(), "Width") << shape;
    }
}

TEST_F(RoofFormsTest, AreasDialogEditingPresetsTheStoredArea) {
    const AreaMeasures trap{kShapeTrap, 10, 20, 5, 75};
    frmAreas dialog(prompter, std::pair{qint32(7), trap});
    showActive(&dialog);
    EXPECT_EQ(get<QComboBox>(&dialog, "cmbShape")->currentText(), "Trap");
    QStringList texts;
    for (const char* name : {"txtAreas_0", "txtAreas_1", "txtAreas_2", "txtAreas_3"})
        texts << get<QLineEdit>(&dialog, name)->text();
    EXPECT_EQ(texts, (QStringList{"7", "10", "20", "5"}));
    EXPECT_TRUE(get(&dialog, "txtAreas_0")->isVisible() && get(&dialog, "txtAreas_2")->isVisible());
    EXPECT_TRUE(get<QLineEdit>(&dialog, "txtAreas_0")->isReadOnly());
    EXPECT_EQ(get<QLabel>(&dialog, "lblAreas_1")->text(), "Top:");
    press(&dialog, "cmdOkay");
    EXPECT_EQ(dialog.result(), trap);

    frmAreas rectangle(prompter, std::pair{qint32(3), rect(12, 10)});
    showActive(&rectangle);
    EXPECT_EQ(get<QComboBox>(&rectangle, "cmbShape")->currentText(), "Sq/Rect");
    EXPECT_FALSE(get(&rectangle, "txtAreas_2")->isVisible());
    EXPECT_EQ(get<QLabel>(&rectangle, "lblAreas_1")->text(), "Width");
}

TEST_F(RoofFormsTest, AreasDialogRefusesBadInputAndFocusesTheBoxToFix) {
    struct Case {
        QString shape, width1, width2, height, message;
        const char* focus;
        QString focusedText; // what the box to fix holds afterwards
    };
    const Case cases[] = {
        {"", "12", "", "10", kMsgSelectShape, "cmbShape", ""},
        {"Trap", "", "20", "5", kMsgEnterTop, "txtAreas_1", ""},
        {"Trap", "10", " ", "5", kMsgEnterBottom, "txtAreas_2", " "},
        // A measure that is no number is reset to "0", as the roof panel's measure boxes are.
        {"Sq/Rect", "12", "", "five", kMsgNotANumber, "txtAreas_3", "0"},
        {"Trap", "12a", "20", "5", kMsgNotANumber, "txtAreas_1", "0"},
        {"Sq/Rect", "100000", "", "100000", kMsgAreaTooLarge, "txtAreas_1", "100000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focus);
        frmAreas dialog(prompter, std::nullopt);
        showActive(&dialog);
        fillArea(dialog, c.shape, c.width1, c.width2, c.height);
        press(&dialog, "cmdOkay");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.result());
        EXPECT_EQ(prompter.lastText(), c.message);
        EXPECT_EQ(focusName(&dialog), c.focus);
        if (auto* box = dialog.findChild<QLineEdit*>(c.focus)) {
            EXPECT_EQ(box->text(), c.focusedText);
        }
    }

    // A bottom typed before the shape became a rectangle does not count.
    frmAreas dialog(prompter, std::nullopt);
    showActive(&dialog);
    fillArea(dialog, "Trap", "12", "abc", "10");
    choose(get<QComboBox>(&dialog, "cmbShape"), "Sq/Rect");
    press(&dialog, "cmdOkay");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), rect(12, 10));
}

TEST_F(RoofFormsTest, AreasDialogClosedOrCancelledHandsBackNothing) {
    for (const bool byFrame : {true, false}) {
        frmAreas dialog(prompter, std::nullopt);
        showActive(&dialog);
        fillArea(dialog, "Trap", "10", "", "5");
        press(&dialog, "cmdOkay"); // refused: no bottom
        fillArea(dialog, "Trap", "10", "20", "5");
        if (byFrame)
            dialog.close();
        else
            press(&dialog, "cmdCancel");
        EXPECT_FALSE(dialog.isVisible()) << byFrame;
        EXPECT_FALSE(dialog.result()) << byFrame;
        EXPECT_TRUE(dialog.bFrmAreasCancel()) << byFrame;
    }
}

// ---- The Lineal Items dialog ---------------------------------------------------------------------

TEST_F(RoofFormsTest, LinealLengthRefusesANonNumberWhenLeft) {
    frmLineal* dialog = linealDialog(0);
    showActive(dialog);
    auto* name = get<QLineEdit>(dialog, "txtLineal_1");
    auto* length = get<QLineEdit>(dialog, "txtLineal_2");
    length->setFocus();
    EXPECT_EQ(base(length), kYellow);
    QTest::keyClicks(length, "abc");
    name->setFocus();
    // Checked once the event that moved the focus is done.
    EXPECT_EQ(prompter.messageCount(), 0);
    settle();
    EXPECT_EQ(length->text(), "0");
    EXPECT_EQ(prompter.log(), QStringList{"message: Quorvex | This field must be a number. -> ok"});
    EXPECT_EQ(focusName(dialog), "txtLineal_2");
    EXPECT_EQ(length->selectedText(), "0");
    EXPECT_EQ(base(length), kYellow);
    EXPECT_EQ(base(name), QColor(Qt::white));

    // A fraction is a number: kept, nothing said.
    length->setText("12.5");
    name->setFocus();
    settle();
    EXPECT_EQ(length->text(), "12.5");
    EXPECT_EQ(prompter.messageCount(), 1);
    EXPECT_EQ(base(length), QColor(Qt::white));
}

TEST_F(RoofFormsTest, LinealNameLongerThanItsColumnIsRefusedWhenLeft) {
    frmLineal* dialog = linealDialog(0);
    showActive(dialog);
    auto* name = get<QLineEdit>(dialog, "txtLineal_1");
    auto* length = get<QLineEdit>(dialog, "txtLineal_2");
    // Fifty characters fit, however they are written; the fifty-first does not.
    for (const QString& fits : {QString(50, 'R'), QString::fromUtf8("\U0001F3E0").repeated(50)}) {
        name->setFocus();
        name->setText(fits);
        length->setFocus();
        settle();
        EXPECT_EQ(name->text(), fits);
    }
    EXPECT_EQ(prompter.messageCount(), 0);
    name->setFocus();
    name->setText(QString(51, 'R'));
    length->setFocus();
    settle();
    EXPECT_EQ(prompter.log(), QStringList{"message: Quorvex | " + tooLongMessage(kLinealNameMax) + " -> ok"});
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(focusName(dialog), "txtLineal_1");
}

TEST_F(RoofFormsTest, OkayClickedStraightFromABoxSpeaksOnceAboutTheFirstFault) {
    struct Case {
        QString name, length;
        const char* leftBox; // the box the click on Okay leaves
        QString message;
        const char* focus;
        QString nameAfter, lengthAfter;
    };
    const QString longName(51, 'R');
    const Case cases[] = {
        {"Ridge", "abc", "txtLineal_2", kMsgNotANumber, "txtLineal_2", "Ridge", "0"},
        {longName, "12", "txtLineal_1", tooLongMessage(kLinealNameMax), "txtLineal_1", "", "12"},
        // Okay's order: the missing name first; the bad length waits for the next Okay.
        {"", "abc", "txtLineal_2", kMsgNameItem, "txtLineal_1", "", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leftBox);
        prompter.takeLog();
        frmLineal* dialog = linealDialog(0);
        showActive(dialog);
        fillLineal(*dialog, c.name, "Cap", c.length);
        get(dialog, c.leftBox)->setFocus();
        // A mouse click on Okay: the press takes the focus, then the click runs before the box's own check.
        auto* okay = get<QPushButton>(dialog, "cmdOkay");
        okay->setFocus();
        okay->click();
        settle();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->result());
        EXPECT_EQ(prompter.log(), QStringList{"message: Quorvex | " + c.message + " -> ok"});
        EXPECT_EQ(focusName(dialog), c.focus);
        EXPECT_EQ(get<QLineEdit>(dialog, "txtLineal_1")->text(), c.nameAfter);
        EXPECT_EQ(get<QLineEdit>(dialog, "txtLineal_2")->text(), c.lengthAfter);
    }
}

TEST_F(RoofFormsTest, LinealDialogClosedOverABadLengthSaysNothing) {
    frmLineal* dialog = linealDialog(0);
    showActive(dialog);
    fillLineal(*dialog, "Ridge", "Cap", "");
    auto* length = get<QLineEdit>(dialog, "txtLineal_2");
    length->setFocus();
    QTest::keyClicks(length, "abc");
    dialog->close();
    settle();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->result());
    EXPECT_EQ(prompter.messageCount(), 0);
}

TEST_F(RoofFormsTest, LinealDialogEditingPresetsTheItemAndPercentUsesTheAreaHandedIn) {
    frmLineal* dialog = linealDialog(1342, std::pair{qint32(3), item(kLinealCap, "Ridge", 100, 104)});
    showActive(dialog);
    EXPECT_EQ(get<QLineEdit>(dialog, "txtLineal_0")->text(), "3");
    EXPECT_TRUE(get(dialog, "txtLineal_0")->isVisible());
    EXPECT_EQ(get<QLineEdit>(dialog, "txtLineal_1")->text(), "Ridge");
    EXPECT_EQ(get<QComboBox>(dialog, "cmbLineal")->currentText(), "Cap");
    EXPECT_EQ(get<QLineEdit>(dialog, "txtLineal_2")->text(), "100");
    fillLineal(*dialog, "Waste", "%", "10");
    press(dialog, "cmdOkay");
    EXPECT_EQ(dialog->result(), item(kLinealPercent, "Waste", 10, 134));
}

TEST_F(RoofFormsTest, LinealDialogRefusalsFocusTheInputToFix) {
    struct Case {
        QString name, type, length, message;
        const char* focus;
    };
    const Case cases[] = {
        {"", "Cap", "10", kMsgNameItem, "txtLineal_1"},
        {"Ridge", "", "10", kMsgSelectType, "cmbLineal"},
        {"Ridge", "Cap", "", kMsgEnterLength, "txtLineal_2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focus);
        frmLineal* dialog = linealDialog(0);
        showActive(dialog);
        fillLineal(*dialog, c.name, c.type, c.length);
        press(dialog, "cmdOkay");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->result());
        EXPECT_EQ(prompter.lastText(), c.message);
        EXPECT_EQ(focusName(dialog), c.focus);
    }
}

// ---- The roof panel ------------------------------------------------------------------------------

class RoofPanelFormTest : public RoofFormsTest {
protected:
    void SetUp() override {
        RoofFormsTest::SetUp();
        form = std::make_unique<UiRoofPanel>(*ctx, state);
        changes = std::make_unique<QSignalSpy>(form.get(), &UiRoofPanel::changed);
    }

    template <class W = QWidget> W* w(const char* name) { return get<W>(form.get(), name); }
    QString text(const char* box) { return w<QLineEdit>(box)->text(); }
    QString totals() { return text("txtRoof_0") + "/" + text("txtRoof_1") + "/" + text("txtRoof_2"); }
    int rowsOf(const char* grid) { return w<QTableView>(grid)->model()->rowCount(); }
    QString cell(const char* grid, int row, int column) {
        const QAbstractItemModel* model = w<QTableView>(grid)->model();
        return model->index(row, column).data().toString();
    }

    bool click(const char* command, const std::function<void(QDialog&)>& fill) {
        return onDialog(fill, [&] { press(form.get(), command); });
    }
    void addArea(const QString& shape, const QString& width1, const QString& width2, const QString& height) {
        EXPECT_TRUE(click("cmdAddArea", [&](QDialog& d) {
            fillArea(d, shape, width1, width2, height);
            press(&d, "cmdOkay");
        }));
    }
    void addLineal(const QString& name, const QString& type, const QString& length) {
        EXPECT_TRUE(click("cmdAddLineal", [&](QDialog& d) {
            fillLineal(d, name, type, length);
            press(&d, "cmdOkay");
        }));
    }
    void figure(const QString& width, const QString& height, const QString& pitch) {
        w<QRadioButton>("optStyle_1")->click();
        w<QLineEdit>("txtArea_0")->setText(width);
        w<QLineEdit>("txtArea_1")->setText(height);
        choose(w<QComboBox>("cmbPitch"), pitch);
        press(form.get(), "cmdPitchFig");
    }
    void expectView(RoofView view) {
        const bool total = view == RoofView::TotalArea;
        EXPECT_EQ(w<QRadioButton>("optStyle_0")->isChecked(), !total);
        EXPECT_EQ(w<QRadioButton>("optStyle_1")->isChecked(), total);
        EXPECT_EQ(w("frInd")->isVisible(), !total);
        EXPECT_EQ(w("frTotal")->isVisible(), total);
    }

    std::unique_ptr<UiRoofPanel> form;
    std::unique_ptr<QSignalSpy> changes;
};

TEST_F(RoofPanelFormTest, MeasureBoxesTurnYellowWhileFocusedAndTakeOnlyNumbers) {
    showActive(form.get());
    w<QRadioButton>("optStyle_1")->click();
    auto* width = w<QLineEdit>("txtArea_0");
    auto* height = w<QLineEdit>("txtArea_1");
    settle();
    EXPECT_EQ(focusName(form.get()), "txtArea_0");
    EXPECT_EQ(base(width), kYellow);
    EXPECT_EQ(width->selectedText(), "0");
    EXPECT_EQ(base(height), QColor(Qt::white));

    QTest::keyClicks(width, "2a");
    height->setFocus();
    EXPECT_EQ(base(width), QColor(Qt::white));
    EXPECT_EQ(base(height), kYellow);
    settle();
    EXPECT_EQ(width->text(), "0");
    EXPECT_EQ(prompter.lastText(), kMsgNotANumber);
    EXPECT_EQ(focusName(form.get()), "txtArea_0");
    EXPECT_EQ(base(width), kYellow);

    // A measure is never negative.
    width->setText("-12.75");
    height->setFocus();
    settle();
    EXPECT_EQ(width->text(), "0");
    EXPECT_EQ(prompter.lastText(), measureRangeMessage());
    EXPECT_EQ(focusName(form.get()), "txtArea_0");

    width->setText("12.75");
    height->setFocus();
    settle();
    EXPECT_EQ(width->text(), "12.75");
    EXPECT_EQ(prompter.messageCount(), 2);
}

TEST_F(RoofPanelFormTest, EveryActionOnTheMeasuresChecksThemFirst) {
    struct Case {
        const char* action;
        bool figuredFirst; // an area of 1342 figured before the bad text is typed
        const char* box;
        const char* typed;
    };
    const Case cases[] = {
        {"cmdPitchFig", false, "txtArea_0", "12a"}, {"cmdPitchFig", true, "txtArea_1", ""},
        {"optStyle_0", true, "txtArea_0", "12a"}, // the view question would follow
        {"optStyle_0", false, "txtArea_1", "x"},    {"cmbPitch", false, "txtArea_0", "1,2,3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.action) + " after " + c.box);
        form = std::make_unique<UiRoofPanel>(*ctx, state);
        showActive(form.get());
        if (c.figuredFirst) {
            prompter.queueAnswer(Prompter::Answer::Yes);
            figure("30", "40", "6");
        } else {
            w<QRadioButton>("optStyle_1")->click();
            w<QLineEdit>("txtArea_0")->setText("30");
            w<QLineEdit>("txtArea_1")->setText("40");
        }
        const QString area = text("txtRoof_0");
        prompter.takeLog();

        // The user types into a box and goes straight to the action with the mouse.
        auto* box = w<QLineEdit>(c.box);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, c.typed);
        if (QString(c.typed).isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        QWidget* target = w(c.action);
        target->setFocus(Qt::MouseFocusReason);
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            button->click();
        else
            choose(w<QComboBox>("cmbPitch"), "4");
        settle();

        EXPECT_EQ(prompter.log(), QStringList{"message: Quorvex | This field must be a number. -> ok"});
        EXPECT_EQ(box->text(), "0");
        EXPECT_EQ(focusName(form.get()), c.box);
        expectView(RoofView::TotalArea);
        EXPECT_EQ(text("txtRoof_0"), area);
        EXPECT_EQ(w<QComboBox>("cmbPitch")->currentText(), c.figuredFirst ? "6" : "");
    }
}

TEST_F(RoofPanelFormTest, ViewQuestionAnsweredNoKeepsTheViewAndTheRows) {
    showActive(form.get());
    addArea("Sq/Rect", "12", "", "10");
    addArea("Tri", "5", "", "3");
    changes->clear();

    prompter.queueAnswer(Prompter::Answer::No);
    w<QRadioButton>("optStyle_1")->click();
    EXPECT_EQ(prompter.lastText(), kAskChangeView);
    expectView(RoofView::IndividualAreas);
    EXPECT_EQ(rowsOf("dgAreas"), 2);
    EXPECT_EQ(totals(), "128/0/128");
    EXPECT_EQ(changes->count(), 0);

    // A click on the view already shown changes nothing, so it asks nothing.
    const int asked = prompter.messageCount();
    w<QRadioButton>("optStyle_0")->click();
    EXPECT_EQ(prompter.messageCount(), asked);
    expectView(RoofView::IndividualAreas);
    EXPECT_EQ(rowsOf("dgAreas"), 2);

    // The same in the "Total Area" view, whose figured area is in the Area box.
    prompter.queueAnswer(Prompter::Answer::Yes);
    figure("30", "40", "6");
    EXPECT_EQ(totals(), "1342/0/1342");
    const int before = prompter.messageCount();
    w<QRadioButton>("optStyle_1")->click();
    EXPECT_EQ(prompter.messageCount(), before);
    expectView(RoofView::TotalArea);
    EXPECT_EQ(totals(), "1342/0/1342");
}

TEST_F(RoofPanelFormTest, ResetForEstimateStartsTheRoofAfresh) {
    showActive(form.get());
    figure("30", "40", "6");
    addLineal("Flashing", "Misc", "12");
    EXPECT_EQ(totals(), "1342/12/1354");

    form->resetForEstimate();
    expectView(RoofView::IndividualAreas);
    EXPECT_EQ(text("txtArea_0") + "/" + text("txtArea_1"), "0/0");
    auto* pitch = w<QComboBox>("cmbPitch");
    EXPECT_EQ(pitch->currentIndex(), 0);
    EXPECT_EQ(pitch->currentText(), "");
    EXPECT_EQ(pitch->count(), 19);
    EXPECT_EQ(rowsOf("dgAreas") + rowsOf("dgLineal"), 0);
    EXPECT_EQ(totals(), "0/0/0");

    // The panel reacts again: a pitch without a width is refused, the switch needs no question.
    w<QRadioButton>("optStyle_1")->click();
    expectView(RoofView::TotalArea);
    choose(pitch, "4");
    EXPECT_EQ(prompter.lastText(), kMsgEnterWidthValue);
    EXPECT_EQ(pitch->currentIndex(), 0);
}

TEST_F(RoofPanelFormTest, EditAndDeleteWithEmptyListsDoNothing) {
    showActive(form.get());
    for (const char* command : {"cmdEditArea", "cmdDeleteArea", "cmdEditLineal", "cmdDeleteLineal"}) {
        EXPECT_FALSE(click(command, [](QDialog& d) { d.reject(); })) << command;
    }
    EXPECT_EQ(prompter.messageCount(), 0);
    EXPECT_EQ(changes->count(), 0);
    EXPECT_EQ(totals(), "0/0/0");
}

TEST_F(RoofPanelFormTest, GridsAreEditedThroughTheDialogOnly) {
    showActive(form.get());
    addArea("Sq/Rect", "12", "", "10");
    addLineal("Ridge", "Cap", "100");
    for (const char* name : {"dgAreas", "dgLineal"}) {
        SCOPED_TRACE(name);
        auto* grid = w<QTableView>(name);
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        const QModelIndex first = grid->model()->index(0, 3);
        EXPECT_FALSE(grid->model()->flags(first) & Qt::ItemIsEditable);
    }

    // A double-click opens the area dialog on that row instead of an editor in the cell.
    auto* grid = w<QTableView>("dgAreas");
    QString number;
    const bool opened = onDialog(
        [&](QDialog& d) {
            number = get<QLineEdit>(&d, "txtAreas_0")->text();
            press(&d, "cmdCancel");
        },
        [&] {
            const QPoint at = grid->visualRect(grid->model()->index(0, 2)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at); // a double click starts as one
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        });
    EXPECT_TRUE(opened);
    EXPECT_EQ(number, "1");
    EXPECT_TRUE(grid->findChildren<QLineEdit*>().isEmpty()); // no cell editor was opened
    EXPECT_EQ(cell("dgAreas", 0, 8), "120");
}

TEST_F(RoofPanelFormTest, ChangedIsSignalledForEditsOnly) {
    showActive(form.get());
    addArea("Sq/Rect", "12", "", "10");
    addArea("Trap", "10", "20", "5");
    EXPECT_EQ(changes->count(), 2);

    // Cancel, the window's close and a "No" to the delete question leave the estimate as it was.
    click("cmdAddArea", [](QDialog& d) {
        fillArea(d, "Tri", "5", "", "3");
        press(&d, "cmdCancel");
    });
    click("cmdAddArea", [](QDialog& d) {
        fillArea(d, "Tri", "5", "", "3");
        d.close();
    });
    click("cmdAddLineal", [](QDialog& d) {
        fillLineal(d, "Ridge", "Cap", "100");
        press(&d, "cmdCancel");
    });
    w<QTableView>("dgAreas")->setCurrentIndex(w<QTableView>("dgAreas")->model()->index(1, 0));
    prompter.queueAnswer(Prompter::Answer::No);
    press(form.get(), "cmdDeleteArea");
    EXPECT_EQ(prompter.lastText(), kAskDeleteArea);
    EXPECT_EQ(changes->count(), 2);
    EXPECT_EQ(rowsOf("dgAreas"), 2);
    EXPECT_EQ(rowsOf("dgLineal"), 0);
    EXPECT_EQ(totals(), "195/0/195");

    // Edit opens on the current row with its measures; the new height replaces the old one.
    QStringList preset;
    click("cmdEditArea", [&](QDialog& d) {
        for (const char* name : {"txtAreas_0", "txtAreas_1", "txtAreas_2", "txtAreas_3"})
            preset << get<QLineEdit>(&d, name)->text();
        get<QLineEdit>(&d, "txtAreas_3")->setText("6");
        press(&d, "cmdOkay");
    });
    EXPECT_EQ(preset, (QStringList{"2", "10", "20", "5"}));
    EXPECT_EQ(changes->count(), 3);
    EXPECT_EQ(cell("dgAreas", 1, 8), "90");

    w<QTableView>("dgAreas")->setCurrentIndex(w<QTableView>("dgAreas")->model()->index(0, 0));
    prompter.queueAnswer(Prompter::Answer::Yes);
    press(form.get(), "cmdDeleteArea");
    EXPECT_EQ(changes->count(), 4);
    EXPECT_EQ(rowsOf("dgAreas"), 1);
    EXPECT_EQ(cell("dgAreas", 0, 0), "2");
    EXPECT_EQ(totals(), "90/0/90");
}

TEST_F(RoofPanelFormTest, PercentItemIsFiguredFromTheAreaShownWhenEntered) {
    showActive(form.get());
    addArea("Sq/Rect", "40", "", "10");
    addLineal("Waste", "%", "10");
    EXPECT_EQ(cell("dgLineal", 0, 5), "40");
    EXPECT_EQ(totals(), "400/40/440");

    click("cmdEditArea", [](QDialog& d) {
        get<QLineEdit>(&d, "txtAreas_1")->setText("50");
        press(&d, "cmdOkay");
    });
    EXPECT_EQ(totals(), "500/40/540"); // the item keeps its total ...
    click("cmdEditLineal", [](QDialog& d) { press(&d, "cmdOkay"); });
    EXPECT_EQ(totals(), "500/50/550"); // ... until it is entered again
}

} // namespace qxtest
