#include "estimate/NewEstimate.h"

#include "data/InputRules.h"
#include "estimate/OwnerTexts.h"
#include "estimate/SaveEstimate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qx {

namespace {

const QString kNotBlank = QStringLiteral("This field may not be blank.");
const QString kTypeAlpha =
    QStringLiteral("Estimate types can have alpha characters\nonly. Please re-enter the "
                   "type or\nselect an existing type from the list.");
const QString kNameAlpha =
    QStringLiteral("Estimate names can have alpha characters only.\nPlease re-enter the "
                   "name oror leave create the\nblank and let the system name for you.");
constexpr int kStoredNameMax = 50;

QString takenText(const QString& name) {
    return QStringLiteral(
               "There is already an estimate named %1.\nPlease enter another name for this estimate.")
        .arg(name);
}

bool allAlpha(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return IsAlpha(c); });
}

OwnerField nameField(int index) {
    return OwnerField(int(OwnerField::Name0) + index);
}

const QString& fieldText(const OwnerInput& input, OwnerField field) {
    switch (field) {
    case OwnerField::Type:
        return input.type;
    case OwnerField::EstName:
        return input.estName;
    default:
        return input.names.at(size_t(field));
    }
}

} // namespace

int ownerFieldMaxLength(OwnerField field) {
    switch (field) {
    case OwnerField::Name0:
        return 25;
    case OwnerField::Name1:
    case OwnerField::Name2:
    case OwnerField::Name3:
        return 100;
    case OwnerField::Name4:
    case OwnerField::Name5:
        return 12;
    case OwnerField::Name6:
        return 8;
    case OwnerField::Type:
        return 25;
    case OwnerField::EstName:
        return kStoredNameMax;
    }
    return 0;
}

bool IsAlpha(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == ' ';
}

NewEstimate::NewEstimate(AppContext& ctx, WorkState& state)
    : m_ctx(ctx)
    , m_state(state)
    , m_register(ctx.data, ctx.conns.sMastConn) {}

std::optional<StartRefusal> NewEstimate::check(const OwnerInput& input) {
    for (int i = 0; i <= 4; ++i) {
        if (isBlank(input.names.at(size_t(i))))
            return StartRefusal{kNotBlank, nameField(i)};
    }
    if (isBlank(input.type))
        return StartRefusal{OwnerTexts::kPickType, OwnerField::Type};
    if (!allAlpha(input.type))
        return StartRefusal{kTypeAlpha, OwnerField::Type, true};
    if (!isBlank(input.estName) && !allAlpha(input.estName))
        return StartRefusal{kNameAlpha, OwnerField::EstName, true};
    // A value can arrive longer than its box allows (an imported contact): refuse it before storing.
    for (OwnerField field :
         {OwnerField::Name0, OwnerField::Name1, OwnerField::Name2, OwnerField::Name3, OwnerField::Name4,
          OwnerField::Name5, OwnerField::Name6, OwnerField::Type, OwnerField::EstName}) {
        if (auto message = checkLength(fieldText(input, field), ownerFieldMaxLength(field)))
            return StartRefusal{*message, field};
    }
    return std::nullopt;
}

QString NewEstimate::displayName(const OwnerInput& input) {
    if (!isBlank(input.estName))
        return input.estName;
    return input.names.at(1) + QLatin1Char(' ') + input.type;
}

QString NewEstimate::storedName(const QString& displayName) {
    return fileNameOf(displayName);
}

OwnerInput NewEstimate::trimmed(const OwnerInput& input) {
    OwnerInput result = input;
    result.type = trimBlanks(input.type);
    return result;
}

bool NewEstimate::begin() {
    m_state.sOpenMode = WorkState::kNew;
    if (!m_ctx.data.Trap({QStringLiteral("mnuNew_Click"), TrapSite::Form, QStringLiteral("frmQuovi")},
                         [&] { m_ctx.working.CreateTempDB(); }))
        return false;
    m_state.lEstID = m_register.CreateEstID();
    return m_state.lEstID != 0;
}

std::optional<StartRefusal> NewEstimate::start(const OwnerInput& typed) {
    const OwnerInput input = trimmed(typed);
    if (auto refusal = check(input)) {
        m_ctx.prompter.inform(kAppTitle, refusal->message);
        return refusal;
    }
    const QString name = storedName(displayName(input));
    std::optional<StartRefusal> refusal;
    if (name.isEmpty()) {
        refusal = StartRefusal{QStringLiteral("Please enter a name for this estimate."), OwnerField::EstName};
    } else if (charCount(name) > kStoredNameMax) {
        refusal = StartRefusal{QStringLiteral("The estimate name %1 is longer than %2 characters.\n"
                                              "Please enter a shorter name for this estimate.")
                                   .arg(name)
                                   .arg(kStoredNameMax),
                               OwnerField::EstName};
    } else {
        bool taken = false;
        const bool read =
            m_ctx.data.Trap({QStringLiteral("cmdStartEst_Click"), TrapSite::Form, QStringLiteral("frmQuovi")},
                            [&] { taken = m_register.nameTaken(name, m_state.lEstID); });
        if (!read)
            return StartRefusal{QString(), OwnerField::EstName};
        if (taken)
            refusal = StartRefusal{takenText(name), OwnerField::EstName};
    }
    if (refusal) {
        m_ctx.prompter.inform(kAppTitle, refusal->message);
        return refusal;
    }
    return create(input, name);
}

std::optional<StartRefusal> NewEstimate::create(const OwnerInput& input, const QString& name) {
    const QString folder = m_ctx.folder.estimateFolder(name);
    const QString storedPath = ProgramFolder::storedEstimatePath(name);
    const Conn estConn = m_ctx.folder.estimateConn(storedPath);
    const bool newFolder = !QFileInfo(folder).isDir();

    // Everything or nothing: whatever this Start made is removed again when a later step fails.
    auto undo = [&] {
        try {
            WorkingDb::RemoveEstFile(m_ctx.pool, estConn);
        } catch (const Failure&) {
            // A schema the server keeps is replaced by the next start of this name.
        }
        if (newFolder)
            QDir().rmdir(folder);
        m_register.releaseName(m_state.lEstID);
    };
    auto fail = [&](const QString& reason) {
        undo();
        const QString message = QStringLiteral("The estimate %1 could not be created.\n%2").arg(name, reason);
        m_ctx.prompter.inform(kAppTitle, message, Prompter::Icon::Critical);
        return StartRefusal{message, OwnerField::EstName};
    };

    // The register learns the name before anything is made on disk: a Start cut short here on leaves a
    // named reservation, whose files the next start removes (removeUnfinishedStarts).
    bool taken = false;
    if (!m_register.reserveName(m_state.lEstID, name, &taken)) {
        if (!taken)
            return fail(QStringLiteral("The estimate register could not be updated."));
        const QString message = takenText(name);
        m_ctx.prompter.inform(kAppTitle, message);
        return StartRefusal{message, OwnerField::EstName};
    }
    if (newFolder && !QDir().mkpath(folder))
        return fail(QStringLiteral("The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder)));
    try {
        m_ctx.working.CreateEstFile(name);
        const auto& n = input.names;
        m_ctx.data.file(estConn).exec(
            QStringLiteral(
                "insert into main(fname,lname,address,citystzip,homeph,workph,ext)values(?,?,?,?,?,?,?)"),
            {n[0], n[1], n[2], n[3], n[4], n[5], n[6]});
    } catch (const Failure& failure) {
        return fail(QStringLiteral("Error %1 (%2)").arg(failure.number()).arg(failure.description()));
    }
    if (!m_register.completeRow(m_state.lEstID, name, input.names[2], storedPath, input.type))
        return fail(QStringLiteral("The estimate register could not be updated."));

    m_state.estName = name;
    m_state.sEstConn = estConn;
    m_state.sEstStatus = QStringLiteral("Working");
    return std::nullopt;
}

void NewEstimate::dropReservation() {
    if (m_state.lEstID != 0)
        m_register.deleteRow(m_state.lEstID);
}

void NewEstimate::discard() {
    if (!m_state.estName.isEmpty()) {
        // A register that cannot be written keeps the whole estimate, row and files, as it was.
        if (!m_register.reopenReservation(m_state.lEstID))
            return;
        try {
            WorkingDb::RemoveEstFile(m_ctx.pool, m_state.sEstConn);
        } catch (const Failure&) {
            // A schema the server keeps is replaced by the next start of this name.
        }
        removeEstimateFolder(m_ctx.folder, m_state.estName);
    }
    dropReservation();
}

namespace {

// What a Start may have made for `name` before it was cut short: the estimate file, its journal and
// the folder once nothing else is in it.
void removeStartedFiles(AppContext& ctx, const QString& name) {
    if (!isEstimateFolder(ctx.folder, name))
        return;
    const QString file = ctx.folder.estimateFile(name);
    ctx.pool.close(file);
    QFile::remove(file);
    QFile::remove(file + QStringLiteral("-journal"));
    QDir().rmdir(ctx.folder.estimateFolder(name));
}

} // namespace

void removeUnfinishedStarts(AppContext& ctx) {
    Register reg(ctx.data, ctx.conns.sMastConn);
    try {
        for (const QString& name : reg.reservedNames()) {
            // Names are unique, but a folder a started estimate keeps its file in is never touched.
            if (!reg.folderInUse(name))
                removeStartedFiles(ctx, name);
        }
    } catch (const Failure&) {
        return;
    }
    reg.removeStaleReservations();
}

} // namespace qx
