#pragma once

#include "data/SettingsStore.h"

#include <QString>

namespace qx {

// The company lines of the customer documents, from the settings CoInfo and CoInfoInc.
struct CompanyBlock {
    QString text;        // six lines, each ending in a line break
    QString companyName; // CoInfo/Name, which <<CoName>> always receives

    // Reads the settings as they are now. With LetHead other than "0" (pre-printed stationery) the
    // block is six empty lines; otherwise each line holds its items when their flags are "1" and is
    // left empty when they are not: name; address; city, state and zip; phone, fax and cell; e-mail;
    // web site.
    static CompanyBlock read(const SettingsStore& settings);
};

} // namespace qx
