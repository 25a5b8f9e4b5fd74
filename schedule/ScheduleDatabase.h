#pragma once

#include "schedule/StoreOutcome.h"

#include <QString>
#include <QStringList>

struct sqlite3;

// The shape of a schedule database: a SQLite file with one table per weekday, "Monday" to
// "Sunday", each of nine columns: ID (the entry's position, INTEGER) and then the eight
// fields of an entry in their order, all TEXT so that every text comes back as written.
// Columns are addressed by position; a file whose tables carry other column names, or
// more than nine columns, serves as well. The header carries the application id and the
// schema version of ScheduleFileFormat, which also describes the tables of the day programs
// and the calendar beside the weekdays.
namespace ScheduleDatabase {

constexpr int kColumnCount = 9;

// "Monday" .. "Sunday" for day 1..7.
QString tableName(int dayNumber);

// ID, Time, MelodyVoice, Selection, AC, CH1..CH4: the names the program gives its columns.
QStringList columnNames();

// Creates a new schedule database of this program's version at path, every table empty.
// Refuses (false, error set) when something already lies there or the file cannot be written.
bool create(const QString &path, QString *error = nullptr);

// Whether the database open on db is a schedule database this program may read and write:
// NotSchedule (another program's id, a weekday table missing or narrower than nine columns,
// a table of the programs or the calendar lacking a column), NewerVersion (a schema version
// above this program's), or the database's own error.
StoreOutcome check(sqlite3 *db);

} // namespace ScheduleDatabase
