#include "docs/UiOutputPanel.h"

#include "data/InputRules.h"
#include "data/Prompter.h"
#include "docs/BlankForms.h"
#include "docs/DocumentBuilder.h"
#include "docs/DocumentFiles.h"
#include "docs/FontSizes.h"
#include "docs/UiPrintJob.h"
#include "docs/frmFind.h"
#include "docs/frmPrintForms.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>

namespace qx {

namespace {
const char* const kDocCaptions[4] = {"Detail", "Proposal", "Contract", "Area Details"};
const char* const kCreateCaptions[5] = {"Create document set", "Create from estimate", "Create from estimate",
                                        "Create from estimate", "Create from areas"};

// The size list refills itself for the chosen font each time it opens.
class SizeList : public QComboBox {
public:
    SizeList(std::function<void()> beforeOpening, QWidget* parent)
        : QComboBox(parent)
        , m_beforeOpening(std::move(beforeOpening)) {}
    void showPopup() override {
        m_beforeOpening();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_beforeOpening;
};

// Calls `apply` with the list's text when the user picks an entry, or types a text and presses Enter,
// whether or not the list holds that text and even when it is the one already shown. (Enter on a text
// the list holds also picks that entry; applying the same text twice changes nothing.)
void onChosenOrTyped(QComboBox* list, const std::function<void(const QString&)>& apply) {
    QObject::connect(list, &QComboBox::textActivated, list, apply);
    QObject::connect(list->lineEdit(), &QLineEdit::returnPressed, list,
                     [list, apply] { apply(list->lineEdit()->text()); });
}
// Shows `text` in an editable list: its entry when the list has one, else as the list's text.
void showInList(QComboBox* list, const QString& text) {
    const QSignalBlocker quiet(list);
    const int index = list->findText(text);
    if (index >= 0)
        list->setCurrentIndex(index);
    list->setEditText(text);
}
} // namespace

UiOutputPanel::UiOutputPanel(Prompter& prompter, const QString& estimatesDir, const QString& templatesDir,
                             QWidget* parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_estimatesDir(estimatesDir)
    , m_templatesDir(templatesDir) {
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addFileActions();
    m_toolbar->addSeparator();
    addEditingActions();
    m_toolbar->addSeparator();
    addFormatActions();
    m_fonts = new QComboBox(this);
    m_fonts->setObjectName(QStringLiteral("cboFonts"));
    m_fonts->setMinimumWidth(160);
    m_fonts->setEditable(true);
    m_fonts->setInsertPolicy(QComboBox::NoInsert);
    m_sizes = new SizeList([this] { fillSizes(); }, this);
    m_sizes->setObjectName(QStringLiteral("cboSize"));
    m_sizes->setEditable(true);
    m_sizes->setInsertPolicy(QComboBox::NoInsert);
    // A typed "1" is size 1, never completed to a listed "10".
    m_sizes->setCompleter(nullptr);
    for (int size : fontSizesFor(QString()))
        m_sizes->addItem(QString::number(size));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab2"));
    for (int i = 0; i < 4; ++i) {
        auto* page = new QWidget(m_tabs);
        auto* editor = new QTextEdit(page);
        editor->setObjectName(QStringLiteral("rtfText_%1").arg(i));
        if (i == 0 || i == 3)
            editor->setCurrentFont(reportFont());
        // A document replaced under the cursor changes its format without a format signal; a move does
        // not always change it: either shows the format at the cursor.
        connect(editor, &QTextEdit::currentCharFormatChanged, this, &UiOutputPanel::showFormatState);
        connect(editor, &QTextEdit::cursorPositionChanged, this, &UiOutputPanel::showFormatState);
        m_editors[size_t(i)] = editor;
        auto* create = new QPushButton(QLatin1String(kCreateCaptions[i + 1]), page);
        create->setObjectName(QStringLiteral("cmdPrint_%1").arg(i + 1));
        m_create[size_t(i + 1)] = create;
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(create);
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(editor, 1);
        layout->addLayout(row);
        m_tabs->addTab(page, QLatin1String(kDocCaptions[i]));
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &UiOutputPanel::showFormatState);
    m_create[0] = new QPushButton(QLatin1String(kCreateCaptions[0]), this);
    m_create[0]->setObjectName(QStringLiteral("cmdPrint_0"));
    for (int i = 0; i < 5; ++i)
        connect(m_create[size_t(i)], &QPushButton::clicked, this, [this, i] { emit createClicked(i); });
    m_sent = new QPushButton(QStringLiteral("Mark as Sent"), this);
    m_sent->setObjectName(QStringLiteral("cmdSent"));
    m_sent->setEnabled(false);
    connect(m_sent, &QPushButton::clicked, this, &UiOutputPanel::sentClicked);

    onChosenOrTyped(m_fonts, [this](const QString& family) {
        if (const QString name = trimBlanks(family); !name.isEmpty())
            currentEditor()->setFontFamily(name);
    });
    onChosenOrTyped(m_sizes, [this](const QString& size) {
        if (const std::optional<double> points = typedFontSize(size))
            currentEditor()->setFontPointSize(*points);
    });
    // The font lists sit on a row of their own so that the whole toolbar fits a 1024-pixel screen.
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(new QLabel(QStringLiteral("Font:"), this));
    fonts->addWidget(m_fonts);
    fonts->addWidget(new QLabel(QStringLiteral("Size:"), this));
    fonts->addWidget(m_sizes);
    fonts->addStretch();
    fonts->addWidget(m_create[0]);
    fonts->addWidget(m_sent);
    auto* top = new QVBoxLayout;
    top->addWidget(m_toolbar);
    top->addLayout(fonts);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_tabs, 1);
}

QTextEdit* UiOutputPanel::currentEditor() const {
    return m_editors.at(size_t(std::max(0, m_tabs->currentIndex())));
}

QAction* UiOutputPanel::addCommand(const char* key, const char* tip) {
    QAction* action = m_toolbar->addAction(QLatin1String(key));
    action->setObjectName(QStringLiteral("tb") + QLatin1String(key));
    action->setToolTip(QLatin1String(tip ? tip : key));
    return action;
}

void UiOutputPanel::addFileActions() {
    addCommand("New"); // a document starts from a create command, so "New" has nothing to do
    connect(addCommand("Open"), &QAction::triggered, this, &UiOutputPanel::openDocument);
    connect(addCommand("Save"), &QAction::triggered, this, &UiOutputPanel::saveDocument);
    connect(addCommand("Print"), &QAction::triggered, this, &UiOutputPanel::printDocument);
}

void UiOutputPanel::addEditingActions() {
    // The editing commands act on the editor of the selected document tab.
    const struct {
        const char* key;
        void (QTextEdit::*slot)();
    } editing[] = {{"Copy", &QTextEdit::copy}, {"Cut", &QTextEdit::cut}, {"Paste", &QTextEdit::paste}};
    for (const auto& e : editing)
        connect(addCommand(e.key), &QAction::triggered, this,
                [this, slot = e.slot] { (currentEditor()->*slot)(); });
    connect(addCommand("Find"), &QAction::triggered, this, &UiOutputPanel::findText);
}

void UiOutputPanel::addFormatActions() {
    m_bold = addCommand("Bold");
    connect(m_bold, &QAction::triggered, this, [this] {
        QTextEdit* e = currentEditor();
        e->setFontWeight(e->fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
        showFormatState();
    });
    m_italic = addCommand("Italic");
    connect(m_italic, &QAction::triggered, this, [this] {
        currentEditor()->setFontItalic(!currentEditor()->fontItalic());
        showFormatState();
    });
    m_underline = addCommand("Underline");
    connect(m_underline, &QAction::triggered, this, [this] {
        currentEditor()->setFontUnderline(!currentEditor()->fontUnderline());
        showFormatState();
    });
    for (QAction* toggle : {m_bold, m_italic, m_underline})
        toggle->setCheckable(true);
    m_toolbar->addSeparator();
    const struct {
        const char* key;
        const char* tip;
        Qt::Alignment align;
    } aligns[] = {{"Left", "Align Left", Qt::AlignLeft},
                  {"Center", "Align Center", Qt::AlignHCenter},
                  {"Right", "Align Right", Qt::AlignRight}};
    for (const auto& a : aligns)
        connect(addCommand(a.key, a.tip), &QAction::triggered, this,
                [this, align = a.align] { currentEditor()->setAlignment(align); });
}

void UiOutputPanel::showFormatState() {
    const QTextEdit* e = currentEditor();
    m_bold->setChecked(e->fontWeight() > QFont::Normal);
    m_italic->setChecked(e->fontItalic());
    m_underline->setChecked(e->fontUnderline());
    const ShownFont font = shownFont(e->currentCharFormat(), e->document()->defaultFont());
    showInList(m_fonts, font.family);
    showInList(m_sizes, font.size);
}

// The toolbar's file, print and find commands report no errors: one that fails has no effect.
void UiOutputPanel::openDocument() {
    const QString path = m_prompter.chooseOpenFile(QStringLiteral("Open"), openFilters(),
                                                   FileDialogStart{rtfFilter(), {}, false});
    QTextEdit* editor = currentEditor();
    // A loaded document is read from its start, as a search from the cursor expects.
    if (!path.isEmpty() && loadDocumentFile(path, *editor->document()))
        editor->moveCursor(QTextCursor::Start);
}

void UiOutputPanel::saveDocument() {
    const QString title = QStringLiteral("Save As");
    const QString path =
        m_prompter.chooseSaveFile(title, saveFilters(), FileDialogStart{rtfFilter(), m_estimatesDir, true});
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) && m_prompter.askYesNo(title, replaceQuestion(path), Prompter::Icon::Warning,
                                                       Prompter::Answer::No) != Prompter::Answer::Yes)
        return;
    saveDocumentFile(path, *currentEditor()->document(), currentProperties());
}

void UiOutputPanel::printDocument() {
    const QTextEdit* e = currentEditor();
    printWithDialog(m_prompter, *e->document(), e->textCursor(), currentProperties());
}

void UiOutputPanel::setDocumentSource(const SettingsStore* settings, std::function<QString()> estimateName) {
    m_settings = settings;
    m_estimateName = std::move(estimateName);
}

DocumentProperties UiOutputPanel::currentProperties() const {
    const QString document = m_tabs->tabText(m_tabs->currentIndex());
    const QString estimate = m_estimateName ? m_estimateName() : QString();
    if (!m_settings) {
        DocumentProperties properties;
        properties.title = document;
        return properties;
    }
    return DocumentProperties::read(*m_settings, document, estimate);
}

void UiOutputPanel::findText() {
    frmFind dialog(m_find, this);
    dialog.exec();
    if (dialog.CancelPressed)
        return;
    m_find = dialog.request();
    QTextEdit* e = currentEditor();
    const QTextCursor found = findFrom(*e->document(), e->textCursor(), m_find);
    if (found.isNull()) {
        m_prompter.inform(kAppTitle, kStringNotFound, Prompter::Icon::Warning);
        return;
    }
    e->setTextCursor(found);
}

void UiOutputPanel::fillSizes() {
    const QString typed = m_sizes->currentText();
    m_sizes->clear();
    for (int size : fontSizesFor(m_fonts->currentText()))
        m_sizes->addItem(QString::number(size));
    m_sizes->setEditText(typed);
}

void UiOutputPanel::printForms() {
    frmPrintForms dialog(m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintBlankForm(m_prompter, m_templatesDir, blankFormNumbered(dialog.formNumber()).kind, m_settings);
}

void UiOutputPanel::fillFonts() {
    m_fonts->clear();
    m_fonts->addItems(QFontDatabase::families());
    showFormatState();
}

void UiOutputPanel::reset() {
    for (QTextEdit* editor : m_editors)
        editor->clear();
    for (int i = 0; i < 4; ++i) {
        m_tabs->setTabEnabled(i, true);
        m_tabs->setTabText(i, QLatin1String(kDocCaptions[i]));
    }
    for (QPushButton* button : m_create)
        button->setEnabled(true);
    m_sent->setEnabled(false);
}

void UiOutputPanel::enableCreateCommands(const QList<int>& indexes) {
    for (int i = 0; i < int(m_create.size()); ++i)
        m_create[size_t(i)]->setEnabled(indexes.contains(i));
}

} // namespace qx
