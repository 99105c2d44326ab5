#pragma once

#include "data/DataAccess.h"
#include "data/SettingsStore.h"

#include <QStringList>
#include <array>
#include <optional>

namespace qx {

// The contacts database of the sibling lead-management program: data/contacts.mdb in the folder that
// its settings name (Kontavi / Common / Path). Quorvex only reads it, through a read-only handle.
// Empty when the setting is empty (the program is not installed).
std::optional<Conn> kontaviContactsConn(const SettingsStore& settings);

// What the contact grid shows: every contact, last names beginning with a letter, one contact type,
// contacts with a company, or contacts whose company is the empty text.
enum class ContactGridMode { None, Alpha, Type, Company, NoCompany };

struct ContactGridQuery {
    ContactGridMode mode = ContactGridMode::None;
    QString filter; // the letter or the type

    bool operator==(const ContactGridQuery&) const = default;
};

struct ContactGridColumn {
    QString caption;
    int twips; // 1440 to the inch
};

// A contact's values in the order of the owner panel's boxes: first name, last name, address, city line
// ("city, ST zip"), home phone, work phone, extension. A null value is an empty text.
using ContactOwnerFields = std::array<QString, 7>;

// The contact directory: its three filter lists, the grid's query and columns, and the contact that
// "Select" hands to the owner panel.
class ContactDirectory {
public:
    ContactDirectory(DataAccess& data, Conn contacts);

    // "All", then "A" to "Z"; "All" and the contact types; "Both", "Companies only", "No Companies".
    static const QStringList& letterEntries();
    static const QStringList& typeEntries();
    static const QStringList& companyEntries();
    // The grid content each list entry asks for. The filters work one at a time: each replaces the grid.
    static ContactGridQuery letterQuery(const QString& entry);
    static ContactGridQuery typeQuery(const QString& entry);
    static ContactGridQuery companyQuery(const QString& entry);

    static const std::array<ContactGridColumn, 7>& gridColumns();
    static constexpr int kGridTwips = 8700;
    // The trap that reports a failure to fill the grid.
    static TrapSite popGridSite();
    static TrapSite selectSite();

    // The grid rows (id, name, company, address, work phone, ext, home phone) ordered by last name, then
    // first name; a name is empty when either part is null. Throws Failure.
    ResultSet PopGrid(const ContactGridQuery& query);
    // The owner fields of the contact with that id; empty when there is no such contact. Throws Failure.
    std::optional<ContactOwnerFields> ownerFields(const QVariant& id);
    // Lets go of the contacts file, so the other program finds it as it left it.
    void release();

private:
    DataAccess& m_data;
    Conn m_conn;
};

} // namespace qx
