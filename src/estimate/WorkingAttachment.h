#pragma once

#include "data/SqlFile.h"

namespace qx {

// The working database attached to an estimate file's handle as "work" while this lives, so that rows
// go between the two inside SQLite, in one statement. Written as the working database is (no waiting
// for the disk: it is scratch). Made before the handle's transaction begins. Throws Failure.
class WorkingAttachment {
public:
    WorkingAttachment(SqlFile& estimate, const QString& workingPath)
        : m_estimate(estimate) {
        m_estimate.exec(QStringLiteral("attach database ? as work key ''"), {workingPath});
        m_estimate.execScript(
            QStringLiteral("PRAGMA work.synchronous=OFF; PRAGMA work.journal_mode=MEMORY;"));
    }
    ~WorkingAttachment() {
        try {
            m_estimate.execScript(QStringLiteral("detach database work"));
        } catch (const Failure&) {
            // Detached when the handle closes.
        }
    }
    WorkingAttachment(const WorkingAttachment&) = delete;
    WorkingAttachment& operator=(const WorkingAttachment&) = delete;

private:
    SqlFile& m_estimate;
};

} // namespace qx
