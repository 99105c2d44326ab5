#include "office/OfficeMove.h"

#include "data/Catalogue.h"
#include "data/SqlFile.h"
#include "office/OfficeEngine.h"
#include "office/OfficeWork.h"
#include "office/SchemaCopy.h"

#include <QSet>
#include <vector>

namespace qx {

namespace {

// The server's limit for a name, in bytes; a longer one would be cut short, and two estimates could meet.
constexpr int kMaxServerName = 63;
// Progress steps per database.
constexpr int kStepsPerDatabase = 1000;

// One of the program's databases and where it goes on the server.
struct Source {
    QString what; // "the cost database", "the register", "the estimate JonesReroof"
    QString path;
    QString password;
    DatabaseKind kind;
    QString schema;
};

std::unique_ptr<SqlFile> openToRead(const Source& source) {
    return SqlFile::open(source.path, source.password, SqlFile::Durability::Safe, SqlFile::Access::ReadOnly);
}

// The cost database, the register, and each estimate the register lists with a file.
std::vector<Source> sourcesOf(const ProgramFolder& folder) {
    std::vector<Source> sources = {{QStringLiteral("the cost database"), folder.costFile(), kCostPassword,
                                    DatabaseKind::Cost, kCostSchema},
                                   {QStringLiteral("the register"), folder.mastFile(), kMastPassword,
                                    DatabaseKind::Register, kRegisterSchema}};
    const auto reg = openToRead(sources.back());
    const ResultSet listed =
        reg->query(QStringLiteral("select estname, estpath from master where estpath <> '' order by id"));
    for (const QVariantList& row : listed.rows) {
        const QString path = row.at(1).toString();
        const QString stored = path.section(QLatin1Char('\\'), 0, 0);
        const QString name = row.at(0).isNull() ? stored : row.at(0).toString();
        sources.push_back({QStringLiteral("the estimate %1").arg(name), folder.estimateFileFromStored(path),
                           kEstimatePassword, DatabaseKind::EstimateFile,
                           stored.isEmpty() ? QString() : officeEstimateSchema(stored)});
    }
    return sources;
}

// Every estimate needs a schema name the server keeps as it is.
void checkSchemaNames(const std::vector<Source>& sources) {
    for (const Source& source : sources) {
        if (source.schema.isEmpty() || source.schema.toUtf8().size() > kMaxServerName)
            throw Failure(1, QStringLiteral("%1 cannot be moved: the office server cannot keep its file's "
                                            "name (%2)")
                                 .arg(source.what, source.path));
    }
}

// The lock a move holds until its transaction ends, so that two PCs moving at once do not meet half-way:
// the server's advisory lock of the class "QXMV".
constexpr qint64 kMoveLockClass = 0x51584d56;

// Why the office's database cannot take this PC's work, or nothing when it can.
std::optional<QString> refusalOf(Database& office, const std::vector<Source>& sources, const QString& title) {
    if (!office.scalar(QStringLiteral("select pg_try_advisory_xact_lock(?::integer, 0)"), {kMoveLockClass})
             .toLongLong())
        return QStringLiteral("Another PC is moving its work to %1 right now.").arg(title);
    if (officeHoldsWork(office))
        return QStringLiteral("%1 already holds an office's work. A PC's work can only be moved to an empty "
                              "office database; to work with what the server holds, choose Use This Server.")
            .arg(title);
    QSet<QString> present;
    for (const QVariantList& row :
         office.query(QStringLiteral("select nspname from pg_catalog.pg_namespace")).rows)
        present.insert(row.at(0).toString());
    for (const Source& source : sources) {
        if (present.contains(source.schema))
            return QStringLiteral("%1 is not an empty office database: it already holds a schema named %2. "
                                  "Move this PC's work to an empty office database.")
                .arg(title, source.schema);
    }
    return std::nullopt;
}

QString counted(int count, const QString& one, const QString& many) {
    return count == 1 ? QStringLiteral("1 ") + one : QString::number(count) + QLatin1Char(' ') + many;
}

QString reportOf(int costItems, int estimates, const QString& title) {
    const QString cost = QStringLiteral("the cost database (%1)")
                             .arg(counted(costItems, QStringLiteral("item"), QStringLiteral("items")));
    if (estimates == 0)
        return QStringLiteral("Moved %1 and the register (no estimates) to %2.").arg(cost, title);
    return QStringLiteral("Moved %1, the register and %2 to %3.")
        .arg(cost, counted(estimates, QStringLiteral("estimate"), QStringLiteral("estimates")), title);
}

} // namespace

OfficeMove::OfficeMove(ProgramFolder folder, OfficeServer server)
    : m_folder(std::move(folder))
    , m_server(std::move(server)) {}

OfficeMove::Outcome OfficeMove::run(const Progress& progress) {
    const QString title = officeTitle(m_server);
    std::unique_ptr<Database> office;
    try {
        office = connectOffice(m_server);
    } catch (const Failure& failure) {
        return {Result::Failed, withoutPassword(failure.description(), m_server.password)};
    }
    QString what;
    try {
        what = QStringLiteral("the register");
        const std::vector<Source> sources = sourcesOf(m_folder);
        what.clear();
        checkSchemaNames(sources);
        Transaction transaction(*office);
        if (const auto refusal = refusalOf(*office, sources, title))
            return {Result::Refused, *refusal};
        const int total = int(sources.size()) * kStepsPerDatabase;
        int costItems = 0;
        for (size_t i = 0; i < sources.size(); ++i) {
            const Source& source = sources[i];
            what = source.what;
            const int before = int(i) * kStepsPerDatabase;
            const CopyStep step = [&](int copied, int rows) {
                const int within =
                    rows > 0 ? int(qint64(std::min(copied, rows)) * kStepsPerDatabase / rows) : 0;
                return !progress ||
                       progress(before + within, total, QStringLiteral("Moving %1...").arg(source.what));
            };
            const auto file = openToRead(source);
            const QHash<QString, int> rows = copyIntoSchema(*file, source.kind, *office, source.schema, step);
            if (source.kind == DatabaseKind::Cost)
                costItems = rows.value(QStringLiteral("costitem"));
        }
        what.clear();
        if (progress && !progress(total, total, QString()))
            throw CopyCancelled();
        transaction.commit();
        return {Result::Moved, reportOf(costItems, int(sources.size()) - 2, title)};
    } catch (const CopyCancelled&) {
        return {Result::Cancelled, QStringLiteral("The move was cancelled: %1 is as it was.").arg(title)};
    } catch (const Failure& failure) {
        QString cause = what.isEmpty()
                            ? failure.description()
                            : QStringLiteral("%1 could not be copied: %2").arg(what, failure.description());
        if (cause.endsWith(QLatin1Char('.')))
            cause.chop(1);
        return {Result::Failed,
                withoutPassword(QStringLiteral("Nothing was moved to %1 (%2).").arg(title, cause),
                                m_server.password)};
    }
}

} // namespace qx
