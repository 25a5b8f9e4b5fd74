#pragma once

#include "schedule/StoreOutcome.h"

#include <QString>

// Gives the file at from the name to, and syncs the folder, so that the new name is on the
// disk when this returns: a rename that only the folder's cache knows of is lost to a power
// cut. With replace, a file already named to is replaced in the same step; without, the rename
// fails when one is there.
StoreOutcome durableRename(const QString &from, const QString &to, bool replace);

// Syncs the folder's own entry list (a no-op where the platform has no such call).
void syncFolder(const QString &folder);
