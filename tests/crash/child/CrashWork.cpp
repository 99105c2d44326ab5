#include "CrashWork.h"

#include "estimate/NewEstimate.h"
#include "estimate/OpenEstimate.h"

#include <QCryptographicHash>

namespace qxcrash {

Session::Session(const QString& programFolder, const QString& configRoot)
    : ctx(programFolder, prompter, configRoot)
    , totals(ctx)
    , lines(ctx, state, totals)
    , sections(ctx)
    , roof(ctx, state) {}

bool Session::open(qint32 id) {
    state = qx::WorkState();
    qx::OpenEstimate opening(ctx, state);
    if (!opening.prepare() || !opening.OpenOwner(id))
        return false;
    state.sOpenMode = qx::WorkState::kOpen;
    if (opening.OpenRoof())
        roof.showOpened();
    if (opening.OpenLineItems()) {
        totals.PopEstAdmin(state.sEstConn);
        lines.refresh();
    }
    return prompter.messageCount() == 0;
}

QString Session::fingerprint(const QString& storedSummary) {
    QCryptographicHash digest(QCryptographicHash::Sha1);
    auto add = [&](const char* sql) {
        QStringList rows;
        for (const QVariantList& row : ctx.data.Read(ctx.conns.sTempConn, QLatin1String(sql)).rows) {
            QStringList cells;
            for (const QVariant& cell : row)
                cells << (cell.isNull() ? QStringLiteral("NULL") : cell.toString());
            rows << cells.join(QLatin1Char('|'));
        }
        // Sorted: the order of rows with equal keys is no part of what was saved.
        rows.sort();
        digest.addData(rows.join(QLatin1Char('\n')).toUtf8());
        digest.addData("\n--\n");
    };
    add("select itemid,sect,secorder,name,itemtable,qty,unit,cost,linetotal from tplineitems");
    add("select shape,pitch,width1,width2,height,total from tempareas");
    add("select type,name,length,total from templineal");
    digest.addData(storedSummary.toUtf8());
    return QString::fromLatin1(digest.result().toHex());
}

QString Session::storedSummary() {
    return ctx.data.ReadScalar(state.sEstConn, QStringLiteral("select EstSummary from main where id=1"))
        .toString();
}

qx::OwnerInput crashOwner(const QString& estName) {
    qx::OwnerInput owner;
    owner.names = {"Pat", "Carter", "4 Bay Rd", "Anytown, MT 54321", "406/555-1234", "", ""};
    owner.type = QStringLiteral("Reroof");
    owner.estName = estName;
    return owner;
}

QString estimateName(int number) {
    QString letters;
    for (int i = 0; i < 5; ++i, number /= 26)
        letters.prepend(QChar(char16_t(u'a' + number % 26)));
    return QStringLiteral("Kill") + letters;
}

} // namespace qxcrash
