#pragma once

#include "data/SettingsStore.h"

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>

namespace qx {

// The paper every document is printed on and every PDF is laid out for, kept in the settings store
// (Print/PaperSize); until the user chooses one on the setup screen, it follows the locale.
enum class Paper { Letter, Legal, A4 };

struct PaperSetup {
    // The choices of the setup screen, in the order Paper lists them: "Letter", "Legal", "A4".
    static QStringList names();
    static QString name(Paper paper);
    // Letter where the locale's country uses it (the Americas' letter countries and the Philippines),
    // A4 everywhere else.
    static Paper forLocale(const QLocale& locale);
    // The stored choice; without one (or with one the program does not know), the locale's paper.
    static Paper load(const SettingsStore& store);
    static void save(SettingsStore& store, Paper paper);
    static QPageSize pageSize(Paper paper);
};

// What a document carries when it is printed or saved as a PDF: its paper, a title naming the
// document and the estimate ("Proposal - JonesReroof") and the company as its author.
struct DocumentProperties {
    QPageSize paper = PaperSetup::pageSize(PaperSetup::forLocale(QLocale()));
    QString title;
    QString author;

    // `document` is the document's name ("Proposal", "Lead Form"), `estimate` the open estimate's
    // name; either may be empty, and the title is then the other one alone.
    static DocumentProperties read(const SettingsStore& store, const QString& document,
                                   const QString& estimate);
};

} // namespace qx
