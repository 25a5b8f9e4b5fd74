#pragma once

#include <QString>

#include <vector>

// A Save builds its file under a temporary name beside the schedule (".NAME.1a2b3c4d.saving")
// and keeps the file's previous content under another (".NAME.1a2b3c4d.bak-saving") until the
// new week is committed. A Save cut short (a kill, a power cut) leaves them behind.
//
// A leftover whose schedule file exists is a stale copy, and the next successful Save of that
// file removes it. One whose schedule file does not exist may hold the only copy of a new week
// (the rename that would have named it was lost): it is kept, and offered to the operator.
namespace UnfinishedSaves {

enum class Kind { NewFile, Backup };

// A name beside finalPath of the given kind that no file uses yet.
QString temporaryPathFor(const QString &finalPath, Kind kind = Kind::NewFile);

// The schedule file name a temporary file name of the given kind stands for; empty when the
// name is not of exactly that form.
QString scheduleNameOf(const QString &fileName, Kind kind);

struct Leftover {
    QString path; // the temporary file
    QString scheduleName; // the name it would have had, in the same folder
};

// The leftovers of new files in folder whose schedule file is not there, by name.
std::vector<Leftover> orphaned(const QString &folder);

// Removes every leftover of either kind beside schedulePath, with the journals SQLite left
// beside them; how many files went.
int removeStale(const QString &schedulePath);

} // namespace UnfinishedSaves
