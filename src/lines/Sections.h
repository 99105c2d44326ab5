#pragma once

#include "data/AppContext.h"

#include <QList>
#include <optional>

namespace qx {

// A section of the open estimate (a TempSect row): its name and its order number.
struct Section {
    QString name;
    qint32 order = 0;
    bool operator==(const Section&) const = default;
};

// The section list's last entry, which adds a section; never a section's name.
inline const QString kAddSectionEntry = QStringLiteral("Add");
inline constexpr int kSectionNameLength = 50;

// The sections of the open estimate and the names remembered for later estimates (the register's
// table sectionname). Order numbers run 0, 1, 2 ... in display order.
class Sections {
public:
    explicit Sections(AppContext& ctx);

    // The names offered by the Add Section dialog, each once, in the order the register holds them.
    QStringList rememberedNames();
    // The estimate's sections in display order (the picker's section list). Throws Failure.
    QList<Section> list();

    // Why a name cannot be a section's ("Add", too long); nothing when it can. A blank name is no
    // refusal: it simply adds nothing.
    static std::optional<QString> refusal(const QString& name);

    // The Add Section dialog's Save: a typed name (not chosen from the list) is remembered for later
    // estimates unless it is already; then AddSection. Returns the section to select in the picker, or
    // nothing when the name was blank or refused (the refusal has been shown).
    std::optional<Section> save(const QString& name, bool chosenFromList);
    // Makes a section of this name: a name the estimate already has (letter case aside) gives that
    // section; otherwise a new one numbered one more than the highest (0 for the first). Failures are
    // reported; nothing then.
    std::optional<Section> AddSection(const QString& name);

    // Drops the sections without lines and numbers the rest 0 to n-1 in their order, the lines
    // following their section. Throws Failure.
    void renumber();

private:
    bool isRemembered(const QString& name);

    AppContext& m_ctx;
};

} // namespace qx
