#include "docs/PaperSetup.h"

#include "docs/CompanyBlock.h"

namespace qx {

namespace {

const QString kSection = QStringLiteral("Print");
const QString kPaperKey = QStringLiteral("PaperSize");

struct PaperEntry {
    Paper paper;
    const char* name;
    QPageSize::PageSizeId size;
};
const PaperEntry kPapers[] = {{Paper::Letter, "Letter", QPageSize::Letter},
                              {Paper::Legal, "Legal", QPageSize::Legal},
                              {Paper::A4, "A4", QPageSize::A4}};

const PaperEntry& entry(Paper paper) {
    for (const PaperEntry& e : kPapers)
        if (e.paper == paper)
            return e;
    return kPapers[2];
}

// The countries whose offices use Letter paper.
const QLocale::Territory kLetterTerritories[] = {
    QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::PuertoRico, QLocale::Philippines,
    QLocale::Chile,        QLocale::Colombia,   QLocale::Venezuela, QLocale::CostaRica,  QLocale::Guatemala,
    QLocale::Panama,       QLocale::ElSalvador, QLocale::Nicaragua, QLocale::Belize,
};

} // namespace

QStringList PaperSetup::names() {
    QStringList list;
    for (const PaperEntry& e : kPapers)
        list << QLatin1String(e.name);
    return list;
}

QString PaperSetup::name(Paper paper) {
    return QLatin1String(entry(paper).name);
}

Paper PaperSetup::forLocale(const QLocale& locale) {
    for (QLocale::Territory territory : kLetterTerritories)
        if (locale.territory() == territory)
            return Paper::Letter;
    return Paper::A4;
}

Paper PaperSetup::load(const SettingsStore& store) {
    const QString stored = store.read(kAppName, kSection, kPaperKey);
    for (const PaperEntry& e : kPapers)
        if (stored == QLatin1String(e.name))
            return e.paper;
    return forLocale(QLocale());
}

void PaperSetup::save(SettingsStore& store, Paper paper) {
    store.write(kAppName, kSection, kPaperKey, name(paper));
}

QPageSize PaperSetup::pageSize(Paper paper) {
    return QPageSize(entry(paper).size);
}

DocumentProperties DocumentProperties::read(const SettingsStore& store, const QString& document,
                                            const QString& estimate) {
    DocumentProperties properties;
    properties.paper = PaperSetup::pageSize(PaperSetup::load(store));
    properties.title = document.isEmpty() || estimate.isEmpty() ? document + estimate
                                                                : document + QStringLiteral(" - ") + estimate;
    properties.author = CompanyBlock::read(store).companyName;
    return properties;
}

} // namespace qx
