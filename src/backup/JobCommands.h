#pragma once

#include "data/AppContext.h"

namespace qx {

// The status board's "Export Estimate..." and "Import Estimate...": the file dialogs, the question and
// the messages around a job archive, all through the Prompter. Failures are reported with the
// program's error message; a foreign or damaged file is refused with a message of its own.
class JobCommands {
public:
    explicit JobCommands(AppContext& ctx);

    // Writes estimate `id` into the file the user chooses (".qxjob" added when the name lacks it).
    // Returns the file written; empty when cancelled or failed.
    QString exportEstimate(qint32 id);
    // Adds the estimate of the file the user chooses, under its own name or, once the user agrees,
    // under a free one. Returns its new register id; 0 when nothing was imported.
    qint32 importEstimate();

    static QString exportedMessage(const QString& name, const QString& path);
    static QString importedMessage(const QString& name);
    static QString nameUsedQuestion(const QString& used, const QString& free);

private:
    AppContext& m_ctx;
};

} // namespace qx
