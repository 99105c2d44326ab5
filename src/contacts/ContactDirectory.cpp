#include "contacts/ContactDirectory.h"

#include "data/ProgramFolder.h"

#include <QDir>

namespace qx {

namespace {

// The other program's database may compare text with regard to case; Quorvex never does.
const QString kGridSelect = QStringLiteral(
    "select id, firstname || ' ' || lastname, company, address, workph, ext, homeph from contacts");
const QString kGridOrder = QStringLiteral(" order by lastname collate nocase, firstname collate nocase asc");

QString conditionOf(ContactGridMode mode) {
    switch (mode) {
    case ContactGridMode::Alpha:
        return QStringLiteral(" where lastname like ? escape '\\'");
    case ContactGridMode::Type:
        return QStringLiteral(" where contype = ? collate nocase");
    case ContactGridMode::Company:
        return QStringLiteral(" where company <> ''");
    case ContactGridMode::NoCompany:
        return QStringLiteral(" where company = ''");
    case ContactGridMode::None:
        break;
    }
    return {};
}

// The letter is matched as typed: a "%" or "_" in it stands for itself.
QString likePrefix(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'%', QStringLiteral("\\%"));
    text.replace(u'_', QStringLiteral("\\_"));
    return text + u'%';
}

QString textOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

} // namespace

std::optional<Conn> kontaviContactsConn(const SettingsStore& settings) {
    const QString folder = settings.read(kKontaviApp, QStringLiteral("Common"), QStringLiteral("Path"));
    if (folder.isEmpty())
        return std::nullopt;
    Conn conn;
    conn.path = QDir::cleanPath(
        QDir(QDir::fromNativeSeparators(folder)).filePath(QStringLiteral("data/contacts.mdb")));
    conn.password = kContactsPassword;
    conn.readOnly = true;
    return conn;
}

ContactDirectory::ContactDirectory(DataAccess& data, Conn contacts)
    : m_data(data)
    , m_conn(std::move(contacts)) {}

const QStringList& ContactDirectory::letterEntries() {
    static const QStringList entries = [] {
        QStringList list{QStringLiteral("All")};
        for (char16_t c = u'A'; c <= u'Z'; ++c)
            list << QString(QChar(c));
        return list;
    }();
    return entries;
}

const QStringList& ContactDirectory::typeEntries() {
    static const QStringList entries{QStringLiteral("All"), QStringLiteral("Lead"), QStringLiteral("Cust"),
                                     QStringLiteral("Contact"), QStringLiteral("Personal")};
    return entries;
}

const QStringList& ContactDirectory::companyEntries() {
    static const QStringList entries{QStringLiteral("Both"), QStringLiteral("Companies only"),
                                     QStringLiteral("No Companies")};
    return entries;
}

ContactGridQuery ContactDirectory::letterQuery(const QString& entry) {
    if (entry == QLatin1String("All"))
        return {};
    return {ContactGridMode::Alpha, entry};
}

ContactGridQuery ContactDirectory::typeQuery(const QString& entry) {
    if (entry == QLatin1String("All"))
        return {};
    return {ContactGridMode::Type, entry};
}

ContactGridQuery ContactDirectory::companyQuery(const QString& entry) {
    if (entry == QLatin1String("Companies only"))
        return {ContactGridMode::Company, {}};
    if (entry == QLatin1String("No Companies"))
        return {ContactGridMode::NoCompany, {}};
    return {};
}

const std::array<ContactGridColumn, 7>& ContactDirectory::gridColumns() {
    static const std::array<ContactGridColumn, 7> columns{{
        {QStringLiteral("ID"), 500},
        {QStringLiteral("Name"), 1500},
        {QStringLiteral("Company"), 1800},
        {QStringLiteral("Address"), 1800},
        {QStringLiteral("Work Ph"), 900},
        {QStringLiteral("Ext"), 500},
        {QStringLiteral("Home Ph"), 900},
    }};
    return columns;
}

TrapSite ContactDirectory::popGridSite() {
    return {QStringLiteral("PopGrid"), TrapSite::Form, QStringLiteral("frmContactGrid")};
}

TrapSite ContactDirectory::selectSite() {
    return {QStringLiteral("cmdSelect_Click"), TrapSite::Form, QStringLiteral("frmContactGrid")};
}

ResultSet ContactDirectory::PopGrid(const ContactGridQuery& query) {
    Params params;
    if (query.mode == ContactGridMode::Alpha)
        params << likePrefix(query.filter);
    else if (query.mode == ContactGridMode::Type)
        params << query.filter;
    return m_data.Read(m_conn, kGridSelect + conditionOf(query.mode) + kGridOrder, params);
}

std::optional<ContactOwnerFields> ContactDirectory::ownerFields(const QVariant& id) {
    const ResultSet contact = m_data.Read(
        m_conn,
        QStringLiteral("select firstname, lastname, address, city || ', ' || st || ' ' || zip, homeph, "
                       "workph, ext from contacts where id = ?"),
        {id});
    if (contact.isEmpty())
        return std::nullopt;
    ContactOwnerFields fields;
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i] = textOf(contact.at(0, int(i)));
    return fields;
}

void ContactDirectory::release() {
    m_data.pool().close(m_conn.path);
}

} // namespace qx
