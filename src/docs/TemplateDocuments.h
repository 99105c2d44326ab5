#pragma once

#include "data/AppContext.h"
#include "lines/EstimateTotals.h"

#include <QDate>
#include <QString>

class QTextDocument;

namespace qx {

// The proposal and the contract: a template of the program folder's Templates, read into the editor,
// its fields filled from the register, the estimate file, the settings and the estimate total.
class TemplateDocuments {
public:
    TemplateDocuments(AppContext& ctx, const EstimateTotals& totals);

    // Fills `document` from Templates/<templateName>.rtf for the estimate `estId`. Throws Failure at the
    // first thing that cannot be read (the template, the register row, the estimate file, the owner's
    // name, address or city line, an estimate without lines); `document` keeps what was done so far.
    void fill(const QString& templateName, qint32 estId, QTextDocument& document);

    // The day <<Date>> shows; today unless a test sets it.
    void setToday(const QDate& day) { m_today = day; }

    // The estimate's expiry: its date plus its validity length in days, as the user's short date.
    static QString expiryText(const QDate& estimateDate, qint32 validDays);

private:
    void load(const QString& templateName, QTextDocument& document);

    AppContext& m_ctx;
    const EstimateTotals& m_totals;
    QDate m_today;
};

} // namespace qx
