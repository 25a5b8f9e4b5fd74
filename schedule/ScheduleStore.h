#pragma once

#include "schedule/DatabaseLocation.h"
#include "schedule/StoreOutcome.h"

#include <QString>

class WeeklySchedule;

// The schedule database the program works on, known by the name "Tavrin Access Database"
// (the registered data source). Registering points the store at a file after checking that
// the file is a schedule database; every load and save then opens the file through SQLite,
// does its work and closes it again, so the file is never held open between operations and
// is never created by opening it. Every open is read-write, so a save cut short by a crash
// is rolled back (SQLite's hot journal) before anything is read.
//
// Each operation returns its outcome; the shell chooses what the operator is told.
// After any failure the model, the registration and the file are as they were before the call.
class ScheduleStore {
public:
    static const QString kConnectionName; // "Tavrin Access Database"

    ScheduleStore() = default;
    ScheduleStore(const ScheduleStore &) = delete;
    ScheduleStore &operator=(const ScheduleStore &) = delete;

    // Points the data source at directory/fileName. The file must exist, be a SQLite
    // database of this program (or of none) not newer than it, and hold the seven weekday
    // tables of nine columns or more; otherwise the earlier registration stays.
    StoreOutcome RegisterDataSource(const QString &directory, const QString &fileName);

    // Drops the registration when it is the one for directory/fileName; false otherwise.
    bool RemoveDataSource(const QString &directory, const QString &fileName);

    bool isRegistered() const { return !m_location.isEmpty(); }
    // The registered location; empty when nothing is registered.
    DatabaseLocation registeredLocation() const { return m_location; }
    // Puts back a registration read earlier from registeredLocation() (an empty one removes
    // the registration), without checking the file again: for undoing a step that failed.
    void restoreRegistration(const DatabaseLocation &location) { m_location = location; }

    // Reads all seven weekdays, the day programs with their entries, the calendar and the
    // sounds' names in one read transaction, one query per table. Position i of a day receives the first row whose
    // ID is i; the day's count is the highest such ID, a missing ID leaving an empty entry.
    // Rows it cannot show (see LeftOutRows) are counted in the outcome; NULLs read as empty
    // texts, columns past the ninth are ignored. A file without the programs' tables has only
    // "No bells" and no calendar. Only the days, programs, calendar and names are touched (not
    // WorkingDay, nor the shown day unless it was a program the file lacks), and only when
    // every table was read.
    StoreOutcome LoadAllDays(WeeklySchedule &week);

    // Empties every table, all or none. A file holding triggers or views is refused
    // (HasTriggers) and left as it is.
    StoreOutcome ClearAllTables();

    // Replaces every table's rows with the week's entries (IDs 1..count in position order),
    // programs and calendar, in one transaction with every value bound as a parameter; a
    // file of an older version gets the tables it lacks and this program's version in it.
    // A file holding triggers or views is refused (HasTriggers, naming them in the outcome's
    // schema) unless removeTriggers, which drops them in the same transaction.
    // On failure nothing in the file changes.
    StoreOutcome SaveAllDays(const WeeklySchedule &week, bool removeTriggers = false);

    // The triggers and views of the schedule file at path; none when it cannot be read.
    static StoreOutcome::Schema triggersAndViews(const QString &path);

    // Copies the registered file, as it is committed, to path through SQLite's backup API.
    StoreOutcome BackUpTo(const QString &path);

    // The cause of the last failed call for the operator; empty after a success.
    QString lastError() const { return m_lastError; }

private:
    StoreOutcome finish(StoreOutcome outcome, const QString &path);

    DatabaseLocation m_location;
    QString m_lastError;
};
