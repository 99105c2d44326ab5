#include "lines/EstimateTotals.h"

#include "data/InputRules.h"

namespace qx {

namespace {

const TrapSite kFigureAdminSite{QStringLiteral("FigureAdmin"), TrapSite::Module, QStringLiteral("modGrid")};
const TrapSite kPopEstAdminSite{QStringLiteral("PopEstAdmin"), TrapSite::Module, QStringLiteral("modEst")};

// The error an amount that is no number gives.
Failure typeMismatch() {
    return Failure(13, QStringLiteral("Type mismatch"));
}

} // namespace

EstimateTotals::EstimateTotals(AppContext& ctx)
    : m_ctx(ctx) {}

QString EstimateTotals::adminCaption(int index) {
    static const QString captions[kAdminCount] = {QStringLiteral("Overhead"), QStringLiteral("Profit"),
                                                  QStringLiteral("Contingency"),
                                                  QStringLiteral("Management")};
    return captions[index];
}

QString EstimateTotals::storedSummary(const QString& text) {
    return text.isEmpty() ? QStringLiteral("No summary") : text;
}

QString EstimateTotals::storedTerms(const QString& text) {
    return text.isEmpty() ? QStringLiteral("No terms") : text;
}

void EstimateTotals::reset() {
    m_admin.fill(AdminAmount());
    m_categories.fill(Money());
    m_lineTotal = Money();
}

void EstimateTotals::setAdmin(int index, const AdminAmount& amount) {
    m_admin.at(size_t(index)) = amount;
}

Money EstimateTotals::adminAmount(int index) const {
    return admin(index).amountOn(m_lineTotal);
}

Money EstimateTotals::adminTotalOn(const AdminAmounts& admin, Money linesTotal) {
    Money total;
    for (const AdminAmount& amount : admin)
        total += amount.amountOn(linesTotal);
    return total;
}

Money EstimateTotals::adminTotal() const {
    return adminTotalOn(m_admin, m_lineTotal);
}

std::optional<QString> EstimateTotals::refusalOf(const AdminAmounts& admin, Money linesTotal) {
    // Within kMaxTotal, four amounts of at most 1000 % each and the lines stay far inside an amount's
    // range, so the sum below is exact.
    if (linesTotal > kMaxTotal || linesTotal + adminTotalOn(admin, linesTotal) > kMaxTotal)
        return estimateTotalRangeMessage();
    return std::nullopt;
}

std::optional<QString> EstimateTotals::totalRefusal(Money linesTotal) const {
    return refusalOf(m_admin, linesTotal);
}

std::optional<QString> EstimateTotals::adminRefusal(int index, bool fixed, const QString& text) const {
    if (const auto problem = adminAmountRefusal(fixed, text))
        return problem;
    AdminAmounts changed = m_admin;
    changed.at(size_t(index)) = *typedAdminAmount(fixed, text);
    return refusalOf(changed, m_lineTotal);
}

bool EstimateTotals::FigureAdmin(int index, const QString& kind, const QString& number) {
    return m_ctx.data.Trap(kFigureAdminSite, [&] {
        const auto amount = readAdminAmount(kind, number);
        if (!amount)
            throw typeMismatch();
        setAdmin(index, *amount);
    });
}

void EstimateTotals::PopAdmin() {
    for (int i = 0; i < kAdminCount; ++i) {
        const AdminText text = splitAdminText(m_ctx.settings.readAt(kAppName, QStringLiteral("Op"), i + 1));
        FigureAdmin(i, text.kind, text.number);
    }
}

EstimateTexts EstimateTotals::PopEstAdmin(const Conn& estimateFile) {
    EstimateTexts texts;
    m_ctx.data.Trap(kPopEstAdminSite, [&] { texts = loadStoredAdmin(estimateFile); });
    return texts;
}

EstimateTexts EstimateTotals::loadStoredAdmin(const Conn& estimateFile) {
    EstimateTexts texts;
    const ResultSet main = m_ctx.data.Read(estimateFile, QStringLiteral("Select overhead,profit,contingency,"
                                                                        "management,paymentterms,"
                                                                        "estsummary from main where id=1"));
    if (main.isEmpty())
        throw Failure(3021, QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                           "deleted. Requested operation requires a current record."));
    for (int i = 0; i < kAdminCount; ++i) {
        const QVariant& stored = main.at(0, i);
        if (stored.isNull()) {
            setAdmin(i, AdminAmount::fixedAmount(Money()));
            continue;
        }
        const AdminText text = splitAdminText(stored.toString());
        const auto amount = readAdminAmount(text.kind, text.number);
        if (!amount)
            throw typeMismatch();
        setAdmin(i, *amount);
    }
    if (!main.at(0, 4).isNull())
        texts.terms = main.at(0, 4).toString();
    if (!main.at(0, 5).isNull())
        texts.summary = main.at(0, 5).toString();
    return texts;
}

void EstimateTotals::FigureEstAdmin() {
    figureLines(m_ctx.conns.sTempConn, QStringLiteral("tplineitems"));
}

Money EstimateTotals::storedEstimateTotal(const Conn& estimateFile) {
    loadStoredAdmin(estimateFile);
    figureLines(estimateFile, QStringLiteral("lineitems"));
    return estimateTotal();
}

void EstimateTotals::figureLines(const Conn& file, const QString& table) {
    // The table name is one of the two line tables named above, never typed text.
    const ResultSet sums =
        m_ctx.data.Read(file,
                        QStringLiteral("select sum(case when itemtable=? then linetotal else 0 end),"
                                       "sum(case when itemtable=? then linetotal else 0 end),"
                                       "sum(case when itemtable=? then linetotal else 0 end),"
                                       "sum(case when itemtable=? then linetotal else 0 end),"
                                       "sum(case when itemtable=? then linetotal else 0 end),"
                                       "sum(case when itemtable=? then linetotal else 0 end) from %1")
                            .arg(table),
                        {categoryTags()[0], categoryTags()[1], categoryTags()[2], categoryTags()[3],
                         categoryTags()[4], categoryTags()[5]});
    Money lineTotal;
    for (int i = 0; i < kCategoryCount; ++i) {
        // Each subtotal counts as the screen shows it.
        m_categories.at(size_t(i)) =
            Money::fromRaw(sums.isEmpty() ? 0 : sums.at(0, i).toLongLong()).roundedToCents();
        lineTotal += m_categories.at(size_t(i));
    }
    m_lineTotal = lineTotal;
}

} // namespace qx
