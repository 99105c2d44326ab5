#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace qx {

// The edit page of the status board as the user sees it: the date in the short date format, the
// length as typed, the type, and the chosen status ("" when no option is chosen).
struct EstimateEdit {
    qint32 id = 0;
    QString name;
    QString address;
    QString date;
    QString length;
    QString type;
    QString status;
};

// The boxes of the edit page, for focusing the one a message is about (None: the message is about
// the estimate, not a box).
enum class EditField { Date, Length, Type, None };

struct EditRefusal {
    QString message;
    EditField field;
    bool clearField = false;
};

// What a delete came to.
enum class DeleteResult {
    Kept,    // the user cancelled, or the register row could not be removed (reported)
    Deleted, // the register row is gone, and the estimate's folder with it where there was a safe one
};

// The status board's edit page: reading an estimate's register row, storing its date, status, length
// and type, and deleting it with its folder.
class StatusEdit {
public:
    // Who else has estimate `id` (named `name`) open, as the text the user is told; nothing when nobody
    // has. Throws Failure when that cannot be told.
    using OpenElsewhere = std::function<std::optional<QString>(qint32 id, const QString& name)>;

    // `state`: the program's current estimate id (lEstID) follows the estimate on the edit page.
    StatusEdit(AppContext& ctx, WorkState& state);

    // How the board learns that another PC has an estimate open. By default: in office mode, the
    // holder the office server knows (EstimateHold::holder on the register); a register kept in a file
    // is this PC's alone.
    void setOpenElsewhere(OpenElsewhere openElsewhere) { m_openElsewhere = std::move(openElsewhere); }

    // Reads the estimate and makes it the current estimate. Nothing when it cannot be opened: an ID no
    // estimate can have (0 or less, or past 32 bits) or a row no longer there is told to the user, a
    // failing read reported.
    std::optional<EstimateEdit> PopForm(qint64 id);
    // The types in use, each once, sorted.
    QStringList types();

    // The type box's rule when it is left: at most 25 characters.
    static std::optional<QString> checkType(const QString& type);
    // The checks of "Update": a date, a whole number of days, a type of at most 25 characters.
    static std::optional<EditRefusal> check(const EstimateEdit& edit);
    // "Update": refuses (with its message shown) or stores the page. An estimate another PC has open
    // is refused with who has it. A failing statement is reported.
    std::optional<EditRefusal> update(const EstimateEdit& edit);
    // "Delete this estimate": asks, then removes the register row and the estimate's folder. Only a
    // folder directly inside estimates/, named by the row's path and used by no other estimate, is
    // deleted, whatever the path holds. An estimate with sent revisions is asked about once more; No
    // keeps everything. An estimate another PC has open is kept, and the user told who has it.
    DeleteResult deleteEstimate(qint32 id);

    // The board is closed: no estimate is current any more.
    void leave() { m_state.lEstID = 0; }

private:
    QString folderToDelete(qint32 id, const QString& storedPath);
    // The second question of a delete, asked only when the estimate's folder holds sent revisions
    // (they go with it): true when there are none or the answer is Yes.
    bool revisionsMayGo(qint32 id, const QString& folderName);
    // Who has the estimate open on another PC (shown to the user), or the failure (reported) that kept
    // the board from telling; nothing when nobody has it open. Nothing may be written unless nothing.
    std::optional<QString> openElsewhere(qint32 id, const QString& name, const TrapSite& site);

    AppContext& m_ctx;
    WorkState& m_state;
    OpenElsewhere m_openElsewhere;
};

} // namespace qx
