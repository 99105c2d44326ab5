#include "docs/TemplateDocuments.h"

#include "data/DateText.h"
#include "docs/CompanyBlock.h"
#include "docs/Placeholders.h"
#include "docs/ReportColumns.h"
#include "docs/RtfReader.h"

#include <QFile>
#include <QTextDocument>

namespace qx {

namespace {

Failure invalidUseOfNull() {
    return Failure(94, QStringLiteral("Invalid use of Null"));
}

// A column the document cannot do without.
QString required(const QVariant& value) {
    if (value.isNull())
        throw invalidUseOfNull();
    return value.toString();
}

} // namespace

TemplateDocuments::TemplateDocuments(AppContext& ctx, const EstimateTotals& totals)
    : m_ctx(ctx)
    , m_totals(totals) {}

QString TemplateDocuments::expiryText(const QDate& estimateDate, qint32 validDays) {
    return shortDateText(estimateDate.addDays(validDays));
}

void TemplateDocuments::load(const QString& templateName, QTextDocument& document) {
    const QString path =
        m_ctx.folder.templatesDir() + QLatin1Char('/') + templateName + QStringLiteral(".rtf");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(53, QStringLiteral("File not found: '%1'").arg(path));
    readRtf(file.readAll(), document);
}

void TemplateDocuments::fill(const QString& templateName, qint32 estId, QTextDocument& document) {
    document.clear();
    load(templateName, document);
    const ResultSet reg = m_ctx.data.Read(
        m_ctx.conns.sMastConn,
        QStringLiteral("select estpath,estdate,estlength,estname from master where id=?"), {estId});
    if (reg.isEmpty())
        throw Failure(3021, QStringLiteral("No estimate with the ID %1 is in the register.").arg(estId));
    const Conn estimate = m_ctx.folder.estimateConn(reg.at(0, 0).toString());
    const ResultSet main = m_ctx.data.Read(
        estimate,
        QStringLiteral("select fname,lname,address,citystzip,paymentterms,estsummary from main where id=1"));
    if (main.isEmpty())
        throw Failure(3021, QStringLiteral("The estimate file holds no owner."));
    const QString& br = ReportColumns::kBreak;
    const QString customer = required(main.at(0, 0)) + QLatin1Char(' ') + required(main.at(0, 1));

    const CompanyBlock company = CompanyBlock::read(m_ctx.settings);
    replacePlaceholder(document, QStringLiteral("<<CoInfo>>"), company.text);
    replacePlaceholder(document, QStringLiteral("<<CustInfo>>"),
                       customer + br + required(main.at(0, 2)) + br + required(main.at(0, 3)));
    replacePlaceholder(document, QStringLiteral("<<Date>>"),
                       shortDateText(m_today.isValid() ? m_today : QDate::currentDate()));
    replacePlaceholder(document, QStringLiteral("<<LastName>>"), customer);
    replacePlaceholder(document, QStringLiteral("<<Summary>>"), main.at(0, 5).toString());
    replacePlaceholder(document, QStringLiteral("<<LineTotals>>"), QString());

    // An estimate without lines has no total to offer.
    if (m_ctx.data.ReadScalar(estimate, QStringLiteral("select count(*) from lineitems")).toLongLong() == 0)
        throw invalidUseOfNull();
    replacePlaceholder(document, QStringLiteral("<<EstTotal>>"), m_totals.estimateTotal().toCurrency());
    replacePlaceholder(document, QStringLiteral("<<PayTerms>>"), main.at(0, 4).toString());
    replacePlaceholder(document, QStringLiteral("<<ExpDate>>"),
                       expiryText(dateFromStored(reg.at(0, 1).toString()), reg.at(0, 2).toInt()));
    replacePlaceholder(document, QStringLiteral("<<CoName>>"), company.companyName);
}

} // namespace qx
