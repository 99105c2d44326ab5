#pragma once

#include <QString>

namespace qx::uidrive {

// Blocks of steps that run once for every entry of a list file, so that one script can try a box with
// a whole list of texts:
//
//   each FILE        FILE is read from the script's folder
//   echo {name}
//   {how} txtName {text}
//   end
//
// Inside the block {name}, {how} and {text} stand for the entry's fields. A list file has an entry per
// line: NAME, a tab, HOW (the step that enters the text, "type" or "paste"), a tab, then TEXT written as
// a typed TEXT is (with the escapes \n, \t and \\), optionally followed by a tab and a count N (TEXT N
// times over). Blank lines and lines starting with '#' are skipped. Blocks do not nest.
struct ExpandedScript {
    QString content; // the script with every block written out
    QString error;   // why the script or a list file cannot be read; empty when they can
};

ExpandedScript expandEachBlocks(const QString& content, const QString& scriptFolder);

} // namespace qx::uidrive
