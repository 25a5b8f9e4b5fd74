#pragma once

#include "schedule/DatabaseLocation.h"

#include <QString>

#include <functional>

class Messages;
struct sqlite3;
class WeeklySchedule;

// The schedule database the program works on, reached through one Qt SQL connection named
// "Tavrin Access Database" (the registered data source). Registering points the connection
// at a file after checking that the file is a schedule database; every load and save then
// opens the connection, does its work and closes it again, so the file is never held open
// between operations and is never created by opening it.
//
// Failures are told to the operator through Messages: "DB Loading Error !" when a file
// cannot be registered or loaded, the database's own error text when a save fails. After
// any failure the model, the registration and the file are as they were before the call.
//
// Only one store may be alive per connection name at a time.
class ScheduleStore {
public:
    static const QString kConnectionName; // "Tavrin Access Database"

    explicit ScheduleStore(Messages &messages, const QString &connectionName = kConnectionName);
    ~ScheduleStore();
    ScheduleStore(const ScheduleStore &) = delete;
    ScheduleStore &operator=(const ScheduleStore &) = delete;

    // Points the data source at directory/fileName. The file must exist, be readable, be a
    // SQLite database and hold the seven weekday tables of nine columns or more. Otherwise
    // "DB Loading Error !" is shown, false is returned and the earlier registration stays.
    bool RegisterDataSource(const QString &directory, const QString &fileName);

    // Drops the registration when it is the one for directory/fileName; false otherwise.
    bool RemoveDataSource(const QString &directory, const QString &fileName);

    bool isRegistered() const { return !m_location.isEmpty(); }
    // The registered location; empty when nothing is registered.
    DatabaseLocation registeredLocation() const { return m_location; }
    // Puts back a registration read earlier from registeredLocation() (an empty one removes
    // the registration), without checking the file again: for undoing a step that failed.
    void restoreRegistration(const DatabaseLocation &location);

    // Reads all seven weekdays with one query per table. Position i of a day receives the
    // first row returned whose ID is i; the day's count is the highest such ID, a missing ID
    // leaving an empty entry. IDs below 1, above the capacity or not whole numbers are
    // skipped, NULLs read as empty texts, columns past the ninth are ignored. Only the
    // days are touched (not the shown day or WorkingDay), and only when every table was read.
    bool LoadAllDays(WeeklySchedule &week);

    // Empties the seven tables, all or none.
    bool ClearAllTables();

    // Replaces every table's rows with its day's entries, IDs 1..count in position order,
    // in one transaction with every value bound as a parameter. On failure nothing in the
    // file changes and the database's error text is shown. The caller stores the list into
    // the shown day first and shows Monday afterwards.
    bool SaveAllDays(const WeeklySchedule &week);

    // Why the last failed call failed (also after a failure told only as "DB Loading Error !").
    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString &reason, const QString &shown);
    void setConnection(const DatabaseLocation &location);
    QString withOpenDatabase(const std::function<QString(sqlite3 *)> &work);

    Messages &m_messages;
    QString m_connectionName;
    DatabaseLocation m_location;
    QString m_lastError;
};
