#include "status/StatusEdit.h"

#include "data/DateText.h"
#include "data/InputRules.h"
#include "data/StoredPath.h"
#include "estimate/OwnerTexts.h"
#include "estimate/SaveEstimate.h"
#include "office/EstimateHold.h"
#include "revisions/RevisionDigests.h"
#include "revisions/RevisionStore.h"
#include "revisions/RevisionTexts.h"
#include "status/StatusTexts.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace qx {

namespace {

constexpr int kTypeMax = 25;

const TrapSite kPopForm{QStringLiteral("PopForm"), TrapSite::Form, QStringLiteral("frmManageStatus")};
const TrapSite kDelete{QStringLiteral("cmdDeleteStatus_Click"), TrapSite::Form,
                       QStringLiteral("frmManageStatus")};
const TrapSite kUpdate{QStringLiteral("cmdUpdateStatus_Click"), TrapSite::Form,
                       QStringLiteral("frmManageStatus")};

// A validity length: a whole number of days that the register can hold. A fraction of a day is no
// length anybody means, so it is refused rather than rounded.
Measure wholeDays(const QString& text) {
    Measure days = readMeasure(text, StatusTexts::kNotWholeDays);
    if (days.problem == kMustBeNumber || (days.ok() && days.value != days.whole))
        days.problem = StatusTexts::kNotWholeDays;
    return days;
}

QString exampleDate() {
    return shownDate(storedDate(QDate(2024, 3, 14)));
}

} // namespace

StatusEdit::StatusEdit(AppContext& ctx, WorkState& state)
    : m_ctx(ctx)
    , m_state(state)
    , m_openElsewhere([&ctx](qint32 id, const QString& name) -> std::optional<QString> {
        if (!ctx.conns.sMastConn.office)
            return std::nullopt;
        return EstimateHold::holder(ctx.data.file(ctx.conns.sMastConn), id, name);
    }) {}

std::optional<QString> StatusEdit::openElsewhere(qint32 id, const QString& name, const TrapSite& site) {
    try {
        std::optional<QString> holder = m_openElsewhere(id, name);
        if (holder)
            m_ctx.prompter.inform(kAppTitle, *holder, Prompter::Icon::Information);
        return holder;
    } catch (const Failure& failure) {
        m_ctx.data.ShowTrap(failure, site);
        return DataAccess::trapText(failure, site);
    }
}

std::optional<EstimateEdit> StatusEdit::PopForm(qint64 wholeId) {
    // An estimate is known by a 32-bit ID everywhere else: a register row past that range is listed as
    // it stands but never taken for another estimate by cutting its ID.
    if (wholeId < 1 || wholeId > std::numeric_limits<qint32>::max()) {
        m_ctx.prompter.inform(kAppTitle, StatusTexts::kBadId.arg(wholeId), Prompter::Icon::Warning);
        return std::nullopt;
    }
    const auto id = qint32(wholeId);
    std::optional<EstimateEdit> edit;
    const bool read = m_ctx.data.Trap(kPopForm, [&] {
        const ResultSet rows = m_ctx.data.Read(
            m_ctx.conns.sMastConn,
            QStringLiteral(
                "select estname,estaddress,estdate,esttype,eststatus,estlength from master where id=?"),
            {id});
        if (rows.isEmpty())
            return;
        const QVariantList& row = rows.rows.first();
        edit = EstimateEdit{id,
                            row.at(0).toString(),
                            row.at(1).toString(),
                            shownDate(row.at(2)),
                            row.at(5).toString(),
                            row.at(3).toString(),
                            row.at(4).toString()};
    });
    if (!read)
        return std::nullopt;
    if (!edit) {
        // Deleted meanwhile, on another PC of the office or by the Sales window's board.
        m_ctx.prompter.inform(kAppTitle, StatusTexts::kNotInRegister.arg(id), Prompter::Icon::Warning);
        return std::nullopt;
    }
    m_state.lEstID = id;
    return edit;
}

QStringList StatusEdit::types() {
    QStringList types;
    m_ctx.data.Trap(kPopForm, [&] {
        const ResultSet rows = m_ctx.data.Read(
            m_ctx.conns.sMastConn, QStringLiteral("select distinct esttype from master where esttype is not "
                                                  "null and esttype<>'' order by esttype"));
        for (const QVariantList& row : rows.rows)
            types << row.at(0).toString();
    });
    return types;
}

std::optional<QString> StatusEdit::checkType(const QString& type) {
    if (checkLength(trimBlanks(type), kTypeMax))
        return StatusTexts::kTypeTooLong;
    return std::nullopt;
}

std::optional<EditRefusal> StatusEdit::check(const EstimateEdit& edit) {
    if (!readDate(edit.date))
        return EditRefusal{StatusTexts::kNotADate.arg(exampleDate()), EditField::Date};
    if (const Measure days = wholeDays(edit.length); !days.ok())
        return EditRefusal{days.problem, EditField::Length};
    // An emptied type is refused as a new estimate's is.
    if (isBlank(edit.type))
        return EditRefusal{OwnerTexts::kPickType, EditField::Type};
    if (auto message = checkType(edit.type))
        return EditRefusal{*message, EditField::Type, true};
    return std::nullopt;
}

std::optional<EditRefusal> StatusEdit::update(const EstimateEdit& edit) {
    if (auto refusal = check(edit)) {
        m_ctx.prompter.inform(kAppTitle, refusal->message);
        return refusal;
    }
    if (auto holder = openElsewhere(edit.id, edit.name, kUpdate))
        return EditRefusal{*holder, EditField::None};
    m_ctx.data.ActionQuery(
        QStringLiteral("UPDATE master set estdate=?,eststatus=?,estlength=?,esttype=? where ID=?"),
        m_ctx.conns.sMastConn,
        {storedDate(*readDate(edit.date)), edit.status, wholeDays(edit.length).whole, trimBlanks(edit.type),
         edit.id});
    return std::nullopt;
}

QString StatusEdit::folderToDelete(qint32 id, const QString& storedPath) {
    const QString name = storedFolderName(storedPath);
    if (name.isEmpty())
        return {};
    // A folder that another estimate's path names too belongs to that estimate as well.
    const ResultSet others = m_ctx.data.Read(
        m_ctx.conns.sMastConn,
        QStringLiteral("select estpath from master where id<>? and estpath is not null"), {id});
    for (const QVariantList& row : others.rows) {
        if (storedFolderName(row.at(0).toString()) == name)
            return {};
    }
    return name;
}

bool StatusEdit::revisionsMayGo(qint32 id, const QString& folderName) {
    if (folderName.isEmpty())
        return true;
    const int sent = RevisionStore(m_ctx.folder.estimateFolder(folderName)).count();
    if (sent == 0)
        return true;
    QString name;
    m_ctx.data.Trap(kDelete, [&] {
        name = m_ctx.data
                   .ReadScalar(m_ctx.conns.sMastConn, QStringLiteral("select estname from master where id=?"),
                               {id})
                   .toString();
    });
    const QString question = sent == 1 ? RevisionTexts::kDeleteOneRevision.arg(name)
                                       : RevisionTexts::kDeleteRevisions.arg(name).arg(sent);
    return m_ctx.prompter.askYesNo(StatusTexts::kDeleteTitle, question, Prompter::Icon::Question,
                                   Prompter::Answer::No) == Prompter::Answer::Yes;
}

DeleteResult StatusEdit::deleteEstimate(qint32 id) {
    const auto answer = m_ctx.prompter.askOkCancel(StatusTexts::kDeleteTitle, StatusTexts::kDeleteQuestion,
                                                   Prompter::Icon::Critical, Prompter::Answer::Cancel);
    if (answer != Prompter::Answer::Ok)
        return DeleteResult::Kept;
    QString storedPath;
    QString name;
    QString folderName;
    const bool read = m_ctx.data.Trap(kDelete, [&] {
        const ResultSet row = m_ctx.data.Read(
            m_ctx.conns.sMastConn, QStringLiteral("select estpath,estname from master where id=?"), {id});
        if (!row.isEmpty()) {
            storedPath = row.at(0, 0).toString();
            name = row.at(0, 1).toString();
        }
        folderName = folderToDelete(id, storedPath);
    });
    // Asked last, just before the row goes: an estimate opened while the user answered is kept too.
    if (!read || !revisionsMayGo(id, folderName) || openElsewhere(id, name, kDelete) ||
        !m_ctx.data.ActionQuery(QStringLiteral("DELETE from master where id=?"), m_ctx.conns.sMastConn, {id}))
        return DeleteResult::Kept;
    m_ctx.data.Trap(kDelete, [&] { RevisionDigests(m_ctx.data.file(m_ctx.conns.sMastConn)).forget(id); });
    if (folderName.isEmpty())
        return DeleteResult::Deleted;

    if (const auto conn = storedEstimateConn(m_ctx.folder, storedPath)) {
        if (conn->office) {
            // On the office server the estimate is its schema; this PC's folder of it holds documents.
            m_ctx.data.Trap(kDelete, [&] { WorkingDb::RemoveEstFile(m_ctx.pool, *conn); });
        } else {
            m_ctx.pool.close(conn->path);
        }
    }
    const QFileInfo folder(m_ctx.folder.estimateFolder(folderName));
    if (folder.isDir() && !folder.isSymLink() && !removeEstimateFolder(m_ctx.folder, folderName))
        m_ctx.prompter.inform(
            kAppTitle, StatusTexts::kFolderKept.arg(QDir::toNativeSeparators(folder.absoluteFilePath())),
            Prompter::Icon::Warning);
    return DeleteResult::Deleted;
}

} // namespace qx
