#include "EstimateFixture.h"

#include "data/DateText.h"
#include "lines/PendingLine.h"

namespace qxtest {

namespace {
QVariant nullable(const QString& text) {
    return text.isNull() ? QVariant() : QVariant(text);
}
} // namespace

void EstimateFixture::SetUp() {
    ProgramFolderTest::SetUp();
    qx::writeDefaultSettings(ctx->settings);
    ctx->working.CreateTempDB();
    estimate = makeEstimateFile(QStringLiteral("SmithHouse"));
    ctx->data.file(mast()).exec(
        QStringLiteral("insert into master(estname,estaddress,estdate,esttype,eststatus,estlength,estpath)"
                       "values('SmithHouse','1207 Larch St','2026-03-01','House','Working',30,?)"),
        {qx::ProgramFolder::storedEstimatePath(QStringLiteral("SmithHouse"))});
    estId = qint32(ctx->data.file(mast()).lastInsertId());
    ctx->data.file(estimate).exec(QStringLiteral(
        "insert into main(fname,lname,address,citystzip,overhead,profit,contingency,management)"
        "values('Dana','Smith','1207 Larch St','Missoula, MT 59801','%-15','%-15','Fixed-100',"
        "'%-2')"));
}

void EstimateFixture::setOwner(const QString& first, const QString& last, const QString& address,
                               const QString& city, const QString& terms, const QString& summary) {
    ctx->data.file(estimate).exec(
        QStringLiteral("update main set fname=?,lname=?,address=?,citystzip=?,paymentterms=?,estsummary=?"),
        {nullable(first), nullable(last), nullable(address), nullable(city), nullable(terms),
         nullable(summary)});
}

void EstimateFixture::setAdmin(const QString& overhead, const QString& profit, const QString& contingency,
                               const QString& management) {
    ctx->data.file(estimate).exec(
        QStringLiteral("update main set overhead=?,profit=?,contingency=?,management=?"),
        {overhead, profit, contingency, management});
}

void EstimateFixture::setRegister(const QDate& date, int validDays) {
    ctx->data.file(mast()).exec(QStringLiteral("update master set estdate=?,estlength=? where id=?"),
                                {qx::storedDate(date), validDays, estId});
}

void EstimateFixture::addSection(const QString& name, int order) {
    ctx->data.file(temp()).exec(QStringLiteral("insert into tempsect(secdesc,secorder)values(?,?)"),
                                {name, order});
}

void EstimateFixture::addLine(int order, const QString& name, const QString& tag, int qty,
                              const QString& unit, const char* cost) {
    const qx::Money price = qx::Money::parsePlain(QLatin1String(cost)).value();
    const qx::Money total = qx::lineTotalOf(qty, price);
    const QString sect =
        ctx->data.ReadScalar(temp(), QStringLiteral("select secdesc from tempsect where secorder=?"), {order})
            .toString();
    static int itemId = 100;
    ++itemId;
    ctx->data.file(temp()).exec(
        QStringLiteral("insert into tplineitems(itemid,secorder,sect,name,itemtable,qty,unit,cost,linetotal)"
                       "values(?,?,?,?,?,?,?,?,?)"),
        {itemId, order, sect, name, tag, qty, unit, qint64(price.raw()), qint64(total.raw())});
    ctx->data.file(estimate).exec(
        QStringLiteral("insert into lineitems(itemid,secorder,sect,name,itemtable,qty,unit,cost,linetotal)"
                       "values(?,?,?,?,?,?,?,?,?)"),
        {itemId, order, sect, name, tag, qty, unit, qint64(price.raw()), qint64(total.raw())});
}

void EstimateFixture::addArea(int pitch, int shape, int width1, int width2, int height, int total) {
    ctx->data.file(temp()).exec(
        QStringLiteral("insert into tempareas(pitch,shape,width1,width2,height,total)values(?,?,?,?,?,?)"),
        {pitch, shape, width1, width2, height, total});
}

void EstimateFixture::addLineal(int type, const QString& name, int length, int total) {
    ctx->data.file(temp()).exec(
        QStringLiteral("insert into templineal(type,name,length,total)values(?,?,?,?)"),
        {type, name, length, total});
}

qx::EstimateTotals& EstimateFixture::totals() {
    if (!m_totals) {
        m_totals = std::make_unique<qx::EstimateTotals>(*ctx);
        m_totals->PopEstAdmin(estimate);
    }
    m_totals->FigureEstAdmin();
    return *m_totals;
}

} // namespace qxtest
