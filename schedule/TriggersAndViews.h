#pragma once

#include "schedule/StoreOutcome.h"

struct sqlite3;

// A schedule file is tables and nothing else. Triggers and views come only from other programs
// or hostile hands, and a trigger runs on every save (rewriting rows, wiping a weekday), so a
// file holding any is read as usual but not written into until they are removed.
namespace TriggersAndViews {

// The triggers and views of the database open on db, in the order the file lists them.
StoreOutcome::Schema find(sqlite3 *db);

// Drops every trigger and view, inside the caller's write transaction.
StoreOutcome remove(sqlite3 *db);

} // namespace TriggersAndViews
