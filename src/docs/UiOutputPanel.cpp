#include "docs/UiOutputPanel.h"

#include "docs/DocumentBuilder.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace qx {

namespace {
const char* const kDocCaptions[4] = {"Detail", "Proposal", "Contract", "Area Details"};
const char* const kCreateCaptions[5] = {"Create document set", "Create from estimate", "Create from estimate",
                                        "Create from estimate", "Create from areas"};
} // namespace

UiOutputPanel::UiOutputPanel(QWidget* parent)
    : QWidget(parent) {
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addToolbarActions();
    m_fonts = new QComboBox(this);
    m_fonts->setObjectName(QStringLiteral("cboFonts"));
    m_fonts->setMinimumWidth(160);
    m_sizes = new QComboBox(this);
    m_sizes->setObjectName(QStringLiteral("cboSize"));
    m_sizes->setEditable(true);
    for (int size : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        m_sizes->addItem(QString::number(size));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab2"));
    for (int i = 0; i < 4; ++i) {
        auto* page = new QWidget(m_tabs);
        auto* editor = new QTextEdit(page);
        editor->setObjectName(QStringLiteral("rtfText_%1").arg(i));
        if (i == 0 || i == 3)
            editor->setCurrentFont(reportFont());
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
    m_create[0] = new QPushButton(QLatin1String(kCreateCaptions[0]), this);
    m_create[0]->setObjectName(QStringLiteral("cmdPrint_0"));
    for (int i = 0; i < 5; ++i)
        connect(m_create[size_t(i)], &QPushButton::clicked, this, [this, i] { emit createClicked(i); });

    connect(m_fonts, &QComboBox::textActivated, this,
            [this](const QString& family) { currentEditor()->setFontFamily(family); });
    connect(m_sizes, &QComboBox::textActivated, this, [this](const QString& size) {
        if (const double points = size.toDouble(); points > 0)
            currentEditor()->setFontPointSize(points);
    });
    // The font lists sit on a row of their own so that the whole toolbar fits a 1024-pixel screen.
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(new QLabel(QStringLiteral("Font:"), this));
    fonts->addWidget(m_fonts);
    fonts->addWidget(new QLabel(QStringLiteral("Size:"), this));
    fonts->addWidget(m_sizes);
    fonts->addStretch();
    fonts->addWidget(m_create[0]);
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

void UiOutputPanel::addToolbarActions() {
    // The editing commands act on the editor of the selected document tab.
    const struct {
        const char* key;
        const char* tip;
        void (QTextEdit::*slot)();
    } editing[] = {{"Copy", "Copy", &QTextEdit::copy},
                   {"Cut", "Cut", &QTextEdit::cut},
                   {"Paste", "Paste", &QTextEdit::paste}};
    for (const char* key : {"New", "Open", "Save", "Print"}) {
        QAction* action = m_toolbar->addAction(QLatin1String(key));
        action->setObjectName(QStringLiteral("tb") + QLatin1String(key));
        action->setEnabled(false); // document files and printing arrive with the document commands
    }
    m_toolbar->addSeparator();
    for (const auto& e : editing) {
        QAction* action = m_toolbar->addAction(QLatin1String(e.key));
        action->setObjectName(QStringLiteral("tb") + QLatin1String(e.key));
        action->setToolTip(QLatin1String(e.tip));
        connect(action, &QAction::triggered, this, [this, slot = e.slot] { (currentEditor()->*slot)(); });
    }
    QAction* find = m_toolbar->addAction(QStringLiteral("Find"));
    find->setObjectName(QStringLiteral("tbFind"));
    find->setEnabled(false);
    m_toolbar->addSeparator();
    QAction* bold = m_toolbar->addAction(QStringLiteral("Bold"));
    bold->setObjectName(QStringLiteral("tbBold"));
    connect(bold, &QAction::triggered, this, [this] {
        QTextEdit* e = currentEditor();
        e->setFontWeight(e->fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
    });
    QAction* italic = m_toolbar->addAction(QStringLiteral("Italic"));
    italic->setObjectName(QStringLiteral("tbItalic"));
    connect(italic, &QAction::triggered, this,
            [this] { currentEditor()->setFontItalic(!currentEditor()->fontItalic()); });
    QAction* underline = m_toolbar->addAction(QStringLiteral("Underline"));
    underline->setObjectName(QStringLiteral("tbUnderline"));
    connect(underline, &QAction::triggered, this,
            [this] { currentEditor()->setFontUnderline(!currentEditor()->fontUnderline()); });
    m_toolbar->addSeparator();
    const struct {
        const char* key;
        const char* tip;
        Qt::Alignment align;
    } aligns[] = {{"Left", "Align Left", Qt::AlignLeft},
                  {"Center", "Align Center", Qt::AlignHCenter},
                  {"Right", "Align Right", Qt::AlignRight}};
    for (const auto& a : aligns) {
        QAction* action = m_toolbar->addAction(QLatin1String(a.key));
        action->setObjectName(QStringLiteral("tb") + QLatin1String(a.key));
        action->setToolTip(QLatin1String(a.tip));
        connect(action, &QAction::triggered, this,
                [this, align = a.align] { currentEditor()->setAlignment(align); });
    }
}

void UiOutputPanel::fillFonts() {
    m_fonts->clear();
    m_fonts->addItems(QFontDatabase::families());
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
}

void UiOutputPanel::enableCreateCommands(const QList<int>& indexes) {
    for (int i = 0; i < int(m_create.size()); ++i)
        m_create[size_t(i)]->setEnabled(indexes.contains(i));
}

} // namespace qx
