#include "docs/PaperSetup.h"
#include "PdfText.h"
#include "UserLocale.h"
#include "data/ScriptedPrompter.h"
#include "docs/DocumentFiles.h"
#include "docs/UiPrintJob.h"

#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using qx::Paper;
using qx::PaperSetup;

// Without a stored choice the locale's country decides; a stored choice wins; an unknown one is ignored.
TEST(PaperSetup, LocaleGivesThePaperUntilOneIsChosen) {
    const struct {
        const char* locale;
        const char* stored;
        Paper expected;
    } cases[] = {{"en_US", "", Paper::Letter}, {"en_CA", "", Paper::Letter},
                 {"fr_CA", "", Paper::Letter}, {"es_MX", "", Paper::Letter},
                 {"en_GB", "", Paper::A4},     {"de_DE", "", Paper::A4},
                 {"en_AU", "", Paper::A4},     {"de_DE", "Legal", Paper::Legal},
                 {"en_US", "A4", Paper::A4},   {"en_US", "Tabloid", Paper::Letter}};
    for (const auto& c : cases) {
        QTemporaryDir config;
        qx::SettingsStore store(config.path());
        if (*c.stored)
            store.write(qx::kAppName, QStringLiteral("Print"), QStringLiteral("PaperSize"),
                        QLatin1String(c.stored));
        const qxtest::UserLocale locale(c.locale);
        EXPECT_EQ(PaperSetup::load(store), c.expected) << c.locale << " " << c.stored;
    }
}

// A PDF saved or printed is laid out on the chosen paper and names its document and its company.
TEST(PaperSetup, PdfCarriesPaperTitleAndAuthor) {
    QTemporaryDir dir;
    qx::SettingsStore store(dir.path());
    qx::writeDefaultSettings(store);
    store.write(qx::kAppName, QStringLiteral("CoInfo"), QStringLiteral("Name"),
                QStringLiteral("Dächer & Söhne"));
    const struct {
        Paper paper;
        QSizeF points;
    } cases[] = {{Paper::Letter, {612, 792}}, {Paper::Legal, {612, 1008}}, {Paper::A4, {595.276, 841.89}}};
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("Proposal for Dana O'Neil"));
    for (const auto& c : cases) {
        PaperSetup::save(store, c.paper);
        const auto properties =
            qx::DocumentProperties::read(store, QStringLiteral("Proposal"), QStringLiteral("JonesReroof"));
        const QString saved = dir.filePath(PaperSetup::name(c.paper) + QStringLiteral(".pdf"));
        const QString printed = dir.filePath(PaperSetup::name(c.paper) + QStringLiteral("-printed.pdf"));
        ASSERT_TRUE(qx::saveDocumentFile(saved, doc, properties));
        qx::ScriptedPrompter prompter;
        prompter.queuePrintFile(printed);
        ASSERT_TRUE(qx::printWithDialog(prompter, doc, QTextCursor(&doc), properties));
        for (const QString& path : {saved, printed}) {
            const std::optional<QSizeF> size = qxpdf::pageSize(path);
            ASSERT_TRUE(size) << "pdfinfo is installed by scripts/setup.sh";
            EXPECT_NEAR(size->width(), c.points.width(), 0.5) << path.toStdString();
            EXPECT_NEAR(size->height(), c.points.height(), 0.5) << path.toStdString();
            EXPECT_EQ(qxpdf::info(path, QStringLiteral("Title")), QStringLiteral("Proposal - JonesReroof"));
            EXPECT_EQ(qxpdf::info(path, QStringLiteral("Author")), QStringLiteral("Dächer & Söhne"));
            EXPECT_TRUE(qxpdf::text(path)->contains(QStringLiteral("Dana O'Neil")));
        }
    }
}

} // namespace
