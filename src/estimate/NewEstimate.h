#pragma once

#include "data/AppContext.h"
#include "data/WorkState.h"
#include "estimate/Register.h"

#include <array>
#include <optional>

namespace qx {

// What the owner panel holds when Start is pressed.
struct OwnerInput {
    std::array<QString, 7> names; // first name, last name or company, address, city/st/zip, home, work, ext
    QString type;
    QString estName;
};

// The owner panel's fields, for focusing the one a message is about.
enum class OwnerField { Name0, Name1, Name2, Name3, Name4, Name5, Name6, Type, EstName };

// A refused Start: the message, the field to focus, and whether that field is emptied.
struct StartRefusal {
    QString message;
    OwnerField field;
    bool clearField = false;
};

// Column sizes of the owner panel's boxes (the Main columns, the register's type and name).
int ownerFieldMaxLength(OwnerField field);

// True for the characters an estimate type or name may hold: A-Z, a-z and the blank.
bool IsAlpha(QChar c);

// Starting a new estimate: the checks of the owner panel, the estimate's name, and the creation of its
// folder, keyed file, owner record and register entry.
class NewEstimate {
public:
    NewEstimate(AppContext& ctx, WorkState& state);

    // The checks of Start in their order; the first that fails, or nothing when all pass.
    static std::optional<StartRefusal> check(const OwnerInput& input);
    // The name the estimate is shown under: the name box's text, or last name + " " + type when empty.
    static QString displayName(const OwnerInput& input);
    // The stored name, which names the estimate's folder and file: the display name as fileNameOf makes
    // it (no blanks, invisible characters, leading dots, or characters a file name or the register's
    // lists cannot hold).
    static QString storedName(const QString& displayName);
    // What Start works with: the type without blanks at either end, so "  Ann  " is the type "Ann".
    static OwnerInput trimmed(const OwnerInput& input);

    // New: reserves the register row (lEstID) and rebuilds the working database. False when the
    // register row could not be made (already reported).
    bool begin();
    // Start: runs the checks, then creates everything or nothing. On success the state holds the
    // estimate's name and file. On a refusal or failure the message has been shown and the refusal
    // (field to focus) is returned.
    std::optional<StartRefusal> start(const OwnerInput& input);
    // Cancel before Start: the reserved register row is deleted.
    void dropReservation();
    // Leaving a new estimate that was never saved (closing it with No, quitting with Yes): the register
    // row goes, and once Start made them the estimate's file and folder with it. The row first turns
    // back into a reservation, so that a removal cut short is finished at the next start.
    void discard();

private:
    std::optional<StartRefusal> create(const OwnerInput& input, const QString& name);

    AppContext& m_ctx;
    WorkState& m_state;
    Register m_register;
};

// Start-up: finishes what a New, a Start or a discarded new estimate left half done when the program
// was stopped (a crash, a power cut): every reservation (register row without a path) is removed, with
// the estimate file, its journal and its then empty folder that a Start may have made for it. Says
// nothing: a register that cannot be read now is reported when the user first works with it.
void removeUnfinishedStarts(AppContext& ctx);

} // namespace qx
