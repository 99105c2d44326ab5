#pragma once

#include "data/SettingsStore.h"

#include <QList>
#include <QString>
#include <QVariantList>

namespace qx::kontavi {

// One row of the contacts table in column order: firstname, lastname, company, address, city, st, zip,
// homeph, workph, ext, contype. A null QVariant is a null value.
using ContactRow = QVariantList;

// The sample contact list of the stand-in: people and companies of every contact type, some without a
// first or last name, some without a company.
const QList<ContactRow>& sampleContacts();

// Creates the keyed contacts database at `path` (a new file) holding `rows`. Throws Failure.
void writeContactsFile(const QString& path, const QList<ContactRow>& rows);

// Lays out a stand-in for the lead-management program in `folder`: data/contacts.mdb with the sample
// contacts, and its folder in the program's settings (Kontavi / Common / Path). An existing contacts file
// is only replaced when `replace` is set. Returns an error text, or "" when all went well.
QString makeStandIn(const QString& folder, SettingsStore& settings, bool replace);

} // namespace qx::kontavi
