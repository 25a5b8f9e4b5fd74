#include "schedule/ScheduleStore.h"

#include "schedule/AccessDatabaseHeader.h"
#include "schedule/ProgramCalendarTables.h"
#include "schedule/ScheduleDatabase.h"
#include "schedule/SqliteFile.h"
#include "schedule/SqliteRows.h"
#include "schedule/TriggersAndViews.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "schedule/WeekTables.h"

#include <memory>

const QString ScheduleStore::kConnectionName = QStringLiteral("Tavrin Access Database");

namespace {

// The file at path opened and found to be a schedule database; outcome says why not.
SqliteFile openChecked(const QString &path, StoreOutcome &outcome)
{
    SqliteFile file;
    outcome = file.open(path, SqliteFile::Mode::Existing);
    if (outcome)
        outcome = ScheduleDatabase::check(file.get());
    if (outcome.error == StoreError::NotSchedule && isAccessDatabase(path))
        outcome = StoreOutcome::failure(StoreError::AccessDatabase);
    if (!outcome)
        file.close();
    return file;
}

// Refuses to write into a file that holds triggers or views unless told to remove them (in
// the caller's transaction, so they go with the write or not at all).
StoreOutcome clearTriggers(sqlite3 *db, bool remove)
{
    StoreOutcome::Schema found = TriggersAndViews::find(db);
    if (found.empty())
        return {};
    if (remove)
        return TriggersAndViews::remove(db);
    StoreOutcome refused = StoreOutcome::failure(StoreError::HasTriggers);
    refused.schema = found;
    return refused;
}

} // namespace

StoreOutcome ScheduleStore::finish(StoreOutcome outcome, const QString &path)
{
    m_lastError = causeText(outcome, path);
    return outcome;
}

StoreOutcome ScheduleStore::RegisterDataSource(const QString &directory, const QString &fileName)
{
    const DatabaseLocation location{directory, fileName};
    if (fileName.isEmpty())
        return finish(StoreOutcome::failure(StoreError::Missing), location.path());
    StoreOutcome outcome;
    openChecked(location.path(), outcome);
    if (outcome)
        m_location = location;
    return finish(outcome, location.path());
}

bool ScheduleStore::RemoveDataSource(const QString &directory, const QString &fileName)
{
    if (m_location.isEmpty() || !(m_location == DatabaseLocation{directory, fileName}))
        return false;
    m_location = {};
    return true;
}

StoreOutcome ScheduleStore::LoadAllDays(WeeklySchedule &week)
{
    if (!isRegistered())
        return finish(StoreOutcome::failure(StoreError::NotRegistered), QString());
    const QString path = m_location.path();
    StoreOutcome outcome;
    SqliteFile file = openChecked(path, outcome);
    if (!outcome)
        return finish(outcome, path);

    // Read into scratch days first, so a table that fails halfway loses nothing; one read
    // transaction, so every table comes from one save.
    auto days = std::make_unique<WeekTables::Days>();
    ProgramCalendar special;
    ProgramCalendarTables::ProgramDays programDays;
    SoundNames names;
    outcome = file.exec("BEGIN");
    if (outcome) {
        LeftOutRows leftOut;
        outcome = WeekTables::read(file.get(), *days, leftOut);
        if (outcome)
            outcome = ProgramCalendarTables::read(file.get(), special, programDays, leftOut);
        if (outcome)
            outcome = ProgramCalendarTables::readSoundNames(file.get(), names, leftOut);
        file.exec("COMMIT");
        outcome.leftOut = leftOut;
    }
    if (!outcome)
        return finish(outcome, path);

    // Programs an earlier document had keep their numbers but none of their entries.
    week.ClearAllDays();
    for (int d = kMonday; d <= kSunday; ++d)
        week.day(d).copyFrom((*days)[d - 1]);
    week.setProgramCalendar(special);
    week.setSoundNames(names);
    for (const auto &[number, day] : programDays)
        week.day(number).copyFrom(day);
    return finish(outcome, path);
}

StoreOutcome ScheduleStore::ClearAllTables()
{
    if (!isRegistered())
        return finish(StoreOutcome::failure(StoreError::NotRegistered), QString());
    const QString path = m_location.path();
    StoreOutcome outcome;
    SqliteFile file = openChecked(path, outcome);
    if (outcome) {
        outcome = SqliteRows::inTransaction(file.get(), [&]() {
            StoreOutcome cleared = clearTriggers(file.get(), false);
            if (cleared)
                cleared = WeekTables::clear(file.get());
            return cleared ? ProgramCalendarTables::clear(file.get()) : cleared;
        });
    }
    return finish(outcome, path);
}

StoreOutcome ScheduleStore::SaveAllDays(const WeeklySchedule &week, bool removeTriggers)
{
    if (!isRegistered())
        return finish(StoreOutcome::failure(StoreError::NotRegistered), QString());
    const QString path = m_location.path();
    StoreOutcome outcome;
    SqliteFile file = openChecked(path, outcome);
    if (outcome) {
        // An older file gets the tables of the programs and the calendar, and its new version,
        // in the same transaction as the week: a failed save leaves it as old as it was.
        outcome = SqliteRows::inTransaction(file.get(), [&]() {
            StoreOutcome written = clearTriggers(file.get(), removeTriggers);
            if (written)
                written = ProgramCalendarTables::upgrade(file.get());
            if (written)
                written = WeekTables::write(file.get(), week);
            if (written)
                written = ProgramCalendarTables::write(file.get(), week);
            return written;
        });
    }
    return finish(outcome, path);
}

StoreOutcome::Schema ScheduleStore::triggersAndViews(const QString &path)
{
    StoreOutcome outcome;
    SqliteFile file = openChecked(path, outcome);
    return outcome ? TriggersAndViews::find(file.get()) : StoreOutcome::Schema();
}

StoreOutcome ScheduleStore::BackUpTo(const QString &path)
{
    if (!isRegistered())
        return finish(StoreOutcome::failure(StoreError::NotRegistered), QString());
    StoreOutcome outcome;
    SqliteFile file = openChecked(m_location.path(), outcome);
    if (outcome) {
        outcome = backupDatabase(file.get(), path);
        if (!outcome)
            outcome = StoreOutcome::failure(StoreError::BackupFailed, outcome.detail);
    }
    return finish(outcome, m_location.path());
}
