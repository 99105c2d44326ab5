#include "lines/Sections.h"

#include "data/InputRules.h"

namespace qx {

namespace {

const TrapSite kSaveSite{QStringLiteral("cmdSave_Click"), TrapSite::Form, QStringLiteral("frmAddSection")};

// A section name as it is stored: the text without blank or invisible characters around it (a name of
// nothing else is no name).
QString sectionName(const QString& text) {
    return isBlank(text) ? QString() : trimBlanks(text);
}

} // namespace

Sections::Sections(AppContext& ctx)
    : m_ctx(ctx) {}

QStringList Sections::rememberedNames() {
    QStringList names;
    m_ctx.data.Trap({QStringLiteral("Form_Load"), TrapSite::Form, QStringLiteral("frmAddSection")}, [&] {
        const ResultSet rows = m_ctx.data.Read(
            m_ctx.conns.sMastConn, QStringLiteral("select sectionname from sectionname "
                                                  "where sectionname is not null and sectionname <> '' "
                                                  "group by sectionname order by min(rowid)"));
        for (const QVariantList& row : rows.rows)
            names << row.at(0).toString();
    });
    return names;
}

QList<Section> Sections::list() {
    const ResultSet rows =
        m_ctx.data.Read(m_ctx.conns.sTempConn, QStringLiteral("select secdesc,secorder from tempsect "
                                                              "order by secorder,autoid"));
    QList<Section> sections;
    for (const QVariantList& row : rows.rows)
        sections.append({row.at(0).toString(), row.at(1).toInt()});
    return sections;
}

std::optional<QString> Sections::refusal(const QString& name) {
    const QString trimmed = sectionName(name);
    if (trimmed.compare(kAddSectionEntry, Qt::CaseInsensitive) == 0)
        return QStringLiteral(
            "\"Add\" adds a new section and cannot be a section's name. Please type another.");
    return checkLength(trimmed, kSectionNameLength);
}

bool Sections::isRemembered(const QString& name) {
    bool known = false;
    m_ctx.data.Trap(kSaveSite, [&] {
        known =
            m_ctx.data
                .ReadScalar(m_ctx.conns.sMastConn,
                            QStringLiteral("select count(*) from sectionname where sectionname=?"), {name})
                .toLongLong() > 0;
    });
    return known;
}

std::optional<Section> Sections::save(const QString& text, bool chosenFromList) {
    const QString name = sectionName(text);
    if (name.isEmpty())
        return std::nullopt;
    if (const auto message = refusal(name)) {
        m_ctx.prompter.inform(kAppTitle, *message);
        return std::nullopt;
    }
    if (!chosenFromList && !isRemembered(name))
        m_ctx.data.ActionQuery(QStringLiteral("insert into sectionname(sectionname)values(?)"),
                               m_ctx.conns.sMastConn, {name});
    return AddSection(name);
}

std::optional<Section> Sections::AddSection(const QString& text) {
    const QString name = sectionName(text);
    std::optional<Section> section;
    m_ctx.data.Trap({QStringLiteral("AddSection"), TrapSite::Form, QStringLiteral("frmAddSection")}, [&] {
        SqlFile& temp = m_ctx.data.local(m_ctx.conns.sTempConn);
        const ResultSet existing = temp.query(
            QStringLiteral("select secdesc,secorder from tempsect where secdesc=? order by autoid limit 1"),
            {name});
        if (!existing.isEmpty()) {
            section = Section{existing.at(0, 0).toString(), existing.at(0, 1).toInt()};
            return;
        }
        const qint32 order =
            temp.scalar(QStringLiteral("select coalesce(max(secorder)+1,0) from tempsect")).toInt();
        temp.exec(QStringLiteral("insert into tempsect(secdesc,secorder)values(?,?)"), {name, order});
        section = Section{name, order};
    });
    return section;
}

void Sections::renumber() {
    SqlFile& temp = m_ctx.data.local(m_ctx.conns.sTempConn);
    Transaction transaction(temp);
    // Lines whose section row is missing get one back, so that no line is left without a number.
    temp.exec(
        QStringLiteral("insert into tempsect(secdesc,secorder) select min(sect),secorder from tplineitems "
                       "where secorder not in (select secorder from tempsect) group by secorder"));
    temp.exec(
        QStringLiteral("delete from tempsect where secorder not in (select secorder from tplineitems)"));
    const ResultSet rows =
        temp.query(QStringLiteral("select autoid,secorder from tempsect order by secorder,autoid"));
    // The old numbers are first made negative, so a section's new number never meets another's old one.
    temp.exec(QStringLiteral("update tplineitems set secorder=-1-secorder"));
    temp.exec(QStringLiteral("update tempsect set secorder=-1-secorder"));
    for (int position = 0; position < rows.size(); ++position) {
        const qint64 old = -1 - rows.at(position, 1).toLongLong();
        temp.exec(QStringLiteral("update tplineitems set secorder=? where secorder=?"), {position, old});
        temp.exec(QStringLiteral("update tempsect set secorder=? where autoid=?"),
                  {position, rows.at(position, 0)});
    }
    transaction.commit();
}

} // namespace qx
