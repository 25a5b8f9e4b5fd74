#pragma once

#include "schedule/DaySchedule.h"
#include "schedule/StoreOutcome.h"

#include <QString>

#include <array>

struct sqlite3;
class WeeklySchedule;

// The seven weekday tables read and written in bulk straight through SQLite, on the handle
// of an open connection: one statement per table to read, one prepared insert per table
// reused for every row to write, all values bound. Going through the Qt query classes row
// by row costs several times more than the rows themselves.
//
// Columns are taken by position: the first nine of each table, whatever their names.
// Each function returns the outcome with the database's error text.
namespace WeekTables {

using Days = std::array<DaySchedule, 7>;

// Fills days[0..6] (Monday..Sunday), which must be empty. Position i receives the first row
// whose ID is i; a day's count is its highest such ID. Rows with an ID that is not a whole
// number from 1 to the capacity, a repeated ID or a field longer than a schedule field holds
// are counted in leftOut instead; NULL reads as an empty text.
StoreOutcome read(sqlite3 *db, Days &days, LeftOutRows &leftOut);

// Replaces every table's rows with the week's days (IDs 1..count in position order). Runs
// inside the caller's write transaction, which rolls back whatever a failure left.
StoreOutcome write(sqlite3 *db, const WeeklySchedule &week);

// Empties the seven tables, inside the caller's write transaction.
StoreOutcome clear(sqlite3 *db);

} // namespace WeekTables
