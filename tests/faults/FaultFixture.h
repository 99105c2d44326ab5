#pragma once

#include "TestFolders.h"

#include <QStringList>
#include <map>

namespace qxtest {

// A program folder in which something has gone wrong behind the program's back, and the program run
// on it through tools/uidrive as a user would (settings written, no greeting).
class FaultTest : public ProgramFolderTest {
protected:
    void SetUp() override;

    struct Run {
        int exitCode = -1;
        QString output; // the program folder written PROGRAM
    };
    // Runs `script` (one step a line) on the program folder. `prefix` starts the driver through another
    // program (running it as another user, for one).
    Run drive(const QStringList& script, const QStringList& prefix = {});

    // Every file below the program folder with a digest of its contents, but the scratch databases and
    // the lock, which any run may remake.
    std::map<QString, QByteArray> files() const;
};

} // namespace qxtest
