#include "schedule/ScheduleStore.h"

#include "schedule/ScheduleDatabase.h"
#include "schedule/SqliteFile.h"
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
    if (!outcome)
        file.close();
    return file;
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

    // Read into a scratch week first, so a table that fails halfway loses nothing; one read
    // transaction, so the seven tables come from one save.
    auto days = std::make_unique<WeekTables::Days>();
    outcome = file.exec("BEGIN");
    if (outcome) {
        LeftOutRows leftOut;
        outcome = WeekTables::read(file.get(), *days, leftOut);
        file.exec("COMMIT");
        outcome.leftOut = leftOut;
    }
    if (!outcome)
        return finish(outcome, path);

    for (int d = kMonday; d <= kSunday; ++d)
        week.day(d).copyFrom((*days)[d - 1]);
    return finish(outcome, path);
}

StoreOutcome ScheduleStore::ClearAllTables()
{
    if (!isRegistered())
        return finish(StoreOutcome::failure(StoreError::NotRegistered), QString());
    const QString path = m_location.path();
    StoreOutcome outcome;
    SqliteFile file = openChecked(path, outcome);
    if (outcome)
        outcome = WeekTables::clear(file.get());
    return finish(outcome, path);
}

StoreOutcome ScheduleStore::SaveAllDays(const WeeklySchedule &week)
{
    if (!isRegistered())
        return finish(StoreOutcome::failure(StoreError::NotRegistered), QString());
    const QString path = m_location.path();
    StoreOutcome outcome;
    SqliteFile file = openChecked(path, outcome);
    if (outcome)
        outcome = WeekTables::write(file.get(), week);
    return finish(outcome, path);
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
