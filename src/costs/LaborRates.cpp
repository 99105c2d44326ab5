#include "costs/LaborRates.h"

#include "costs/CostInput.h"
#include "costs/CostTexts.h"
#include "data/DateText.h"

#include <QDate>

namespace qx {

namespace {

constexpr int kBurdenDecimals = 3;
constexpr int kTitleLength = 50;
constexpr int kNotesLength = 255;

TrapSite laborSite(const char* procedure) {
    return {QLatin1String(procedure), TrapSite::Form, QStringLiteral("frmLabor")};
}

} // namespace

BurdenPercents readBurdenPercents(const SettingsStore& settings) {
    BurdenPercents percents;
    const char* keys[kBurdenCount] = {"Fringe", "WorkComp", "EmpTaxes", "OtherCosts"};
    for (int i = 0; i < kBurdenCount; ++i) {
        const QString text = settings.read(kAppName, QStringLiteral("Op"), QLatin1String(keys[i]));
        percents[i] = Decimal::parse(text, QLocale::c()).value_or(Decimal());
    }
    return percents;
}

QString burdenCaption(Burden burden) {
    switch (burden) {
    case Burden::Fringe:
        return QStringLiteral("Fringe %");
    case Burden::WorkComp:
        return QStringLiteral("Work Comp %");
    case Burden::EmpTaxes:
        return QStringLiteral("Employer Taxes %");
    case Burden::Other:
        break;
    }
    return QStringLiteral("Other Costs %");
}

std::optional<BurdenTexts> ComputeDefault(const QString& base, const BurdenPercents& percents) {
    const auto rate = readRate(base);
    if (!rate)
        return std::nullopt;
    BurdenTexts burdens;
    for (int i = 0; i < kBurdenCount; ++i)
        burdens[i] = rate->percent(percents[i]).toPlain();
    return burdens;
}

std::optional<QString> percentageOf(const QString& percentage, const QString& base) {
    const auto percent = readPercentage(percentage);
    const auto rate = readRate(base);
    if (!percent || !rate)
        return std::nullopt;
    return rate->percent(*percent).toPlain();
}

bool opensPercentage(const QString& base) {
    const auto rate = readRate(base);
    return rate && !rate->isZero();
}

RateTotal ComputeTotal(const QString& base, const BurdenTexts& burdens) {
    RateTotal rate;
    const auto baseRate = readRate(base);
    if (!baseRate) {
        rate.problemBox = 0;
        rate.problem = *rateProblem(base);
        return rate;
    }
    rate.base = *baseRate->toMoney();
    rate.total = rate.base;
    for (int i = 0; i < kBurdenCount; ++i) {
        const auto burden = readRate(burdens[i]);
        if (!burden) {
            rate.problemBox = i + 1;
            rate.problem = *rateProblem(burdens[i]);
            return rate;
        }
        const Decimal rounded = burden->roundedHalfEven(kBurdenDecimals);
        rate.burdens[i] = rounded.toPlain();
        rate.burdenAmounts[i] = *rounded.toMoney();
        rate.total += rate.burdenAmounts[i];
    }
    // The burdened rate is a cost item's amount like any other: it must stay within the amount range.
    if (rate.total > kMaxAmount) {
        rate.problemBox = 0;
        rate.problem = burdenedRateTooLarge(rate.total.toCurrency(), kMaxAmount.toCurrency());
    }
    return rate;
}

LaborRates::LaborRates(DataAccess& data, const Conn& cost)
    : m_data(data)
    , m_cost(cost) {}

std::optional<QString> LaborRates::titleProblem(const QString& title) {
    if (isBlank(title))
        return kMsgEnterJobTitle;
    return checkLength(title, kTitleLength);
}

std::optional<qint32> LaborRates::nameRate(const QString& title) {
    if (titleProblem(title))
        return std::nullopt;
    std::optional<qint32> id;
    m_data.Trap(laborSite("cmdOkay_Click"), [&] {
        Database& file = m_data.file(m_cost);
        Transaction transaction(file);
        file.exec(QStringLiteral("insert into costitem(costtype,cat,costname,unit) values(?,?,?,?)"),
                  {kTypeLabor, kCatHourly, trimBlanks(title), kUnitHour});
        const qint64 key = file.lastInsertId();
        file.exec(QStringLiteral("insert into laborcost(costid) values(?)"), {key});
        transaction.commit();
        id = qint32(key);
    });
    return id;
}

std::optional<StoredRate> LaborRates::load(qint32 id) {
    std::optional<StoredRate> rate;
    m_data.Trap(laborSite("Form_Load"), [&] {
        Database& file = m_data.file(m_cost);
        const QString select =
            QStringLiteral("select baserate,fringe,workcomp,taxes,other from laborcost where costid=?");
        ResultSet rows = file.query(select, {id});
        if (rows.isEmpty()) {
            file.exec(QStringLiteral("insert into laborcost(costid) values(?)"), {id});
            rows = file.query(select, {id});
        }
        const QVariantList& row = rows.rows.first();
        StoredRate stored;
        stored.base = Money::fromRaw(row.at(0).toLongLong());
        for (int i = 0; i < kBurdenCount; ++i)
            stored.burdens[i] = Money::fromRaw(row.at(i + 1).toLongLong());
        rate = stored;
    });
    return rate;
}

std::optional<RateTitle> LaborRates::PopCostItem(qint32 id) {
    std::optional<RateTitle> title;
    m_data.Trap(laborSite("PopCostItem"), [&] {
        const ResultSet rows =
            m_data.Read(m_cost, QStringLiteral("select costname,descrip from costitem where id=?"), {id});
        if (!rows.isEmpty())
            title = RateTitle{rows.at(0, 0).toString(), rows.at(0, 1).toString()};
    });
    return title;
}

std::optional<QString> LaborRates::notesProblem(const QString& notes) {
    return checkLength(notes, kNotesLength);
}

bool LaborRates::save(qint32 id, const RateTotal& rate, const QString& notes) {
    if (!rate.ok() || notesProblem(notes))
        return false;
    return m_data.Trap(laborSite("cmdSave_Click"), [&] {
        Database& file = m_data.file(m_cost);
        Transaction transaction(file);
        file.exec(QStringLiteral("UPDATE LaborCost set baserate=?, fringe=?, workcomp=?, taxes=?, other=? "
                                 "where CostID=?"),
                  {qlonglong(rate.base.raw()), qlonglong(rate.burdenAmounts[0].raw()),
                   qlonglong(rate.burdenAmounts[1].raw()), qlonglong(rate.burdenAmounts[2].raw()),
                   qlonglong(rate.burdenAmounts[3].raw()), id});
        // The price date is the day the rate was last set: a save that keeps the rate keeps the date.
        file.exec(QStringLiteral("UPDATE CostItem set descrip=?, pricedate=case when amount=? then pricedate "
                                 "else ? end, amount=? where ID=?"),
                  {optionalText(notes), qlonglong(rate.total.raw()), storedDate(QDate::currentDate()),
                   qlonglong(rate.total.raw()), id});
        transaction.commit();
    });
}

} // namespace qx
