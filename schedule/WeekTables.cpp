#include "schedule/WeekTables.h"

#include "schedule/ScheduleDatabase.h"
#include "schedule/SqliteRows.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <sqlite3.h>

#include <string>
#include <vector>

namespace WeekTables {
namespace {

using SqliteRows::quoted;
using SqliteRows::run;
using SqliteRows::Statement;

std::string table(int dayNumber)
{
    return std::string(weekdayName(dayNumber));
}

// The first nine columns of a table, quoted; fewer when the table is narrower or missing.
std::vector<std::string> firstColumns(sqlite3 *db, int dayNumber)
{
    std::vector<std::string> columns;
    Statement info(db, "SELECT name FROM pragma_table_info(?) ORDER BY cid");
    if (!info)
        return columns;
    const std::string name = table(dayNumber);
    sqlite3_bind_text(info.get(), 1, name.data(), int(name.size()), SQLITE_STATIC);
    while (columns.size() < size_t(ScheduleDatabase::kColumnCount) && sqlite3_step(info.get()) == SQLITE_ROW)
        columns.push_back(quoted(reinterpret_cast<const char *>(sqlite3_column_text(info.get(), 0))));
    return columns;
}

std::string joined(const std::vector<std::string> &parts)
{
    std::string out;
    for (const std::string &p : parts)
        out += (out.empty() ? "" : ",") + p;
    return out;
}

} // namespace

StoreOutcome read(sqlite3 *db, Days &days, LeftOutRows &leftOut)
{
    for (int d = kMonday; d <= kSunday; ++d) {
        const std::vector<std::string> columns = firstColumns(db, d);
        if (columns.size() < size_t(ScheduleDatabase::kColumnCount))
            return StoreOutcome::failure(StoreError::NotSchedule,
                                         QStringLiteral("the table %1 is missing or has fewer than nine columns")
                                             .arg(QString::fromStdString(table(d))));
        SqliteRows::RowScan select(db, "SELECT " + joined(columns) + " FROM " + quoted(table(d)));
        if (!select)
            return StoreOutcome::fromDatabase(db);

        DaySchedule &day = days[d - 1];
        std::vector<bool> filled;
        int step;
        while ((step = select.step()) == SQLITE_ROW) {
            if (const auto reason = SqliteRows::takeEntry(select.get(), 0, day, filled))
                leftOut.add(d, *reason);
        }
        if (step != SQLITE_DONE)
            return StoreOutcome::fromDatabase(db);
        for (int n = 0; n < select.tooLong(); ++n)
            leftOut.add(d, LeftOutRows::FieldTooLong);
    }
    return {};
}

StoreOutcome write(sqlite3 *db, const WeeklySchedule &week)
{
    for (int d = kMonday; d <= kSunday; ++d) {
        const std::string name = quoted(table(d));
        if (StoreOutcome problem = run(db, ("DELETE FROM " + name).c_str()); !problem)
            return problem;
        // Named columns, so a table with columns past the ninth still takes the row; a
        // table that lost columns fails on the bare statement instead.
        const std::vector<std::string> columns = firstColumns(db, d);
        const std::string target =
            columns.size() == size_t(ScheduleDatabase::kColumnCount) ? name + " (" + joined(columns) + ")" : name;
        Statement insert(db, "INSERT INTO " + target + " VALUES(?,?,?,?,?,?,?,?,?)");
        if (!insert)
            return StoreOutcome::fromDatabase(db);
        const DaySchedule &day = week.day(d);
        for (int i = 1; i <= day.count(); ++i) {
            const ScheduleEntry &entry = day.entry(i);
            sqlite3_bind_int(insert.get(), 1, i);
            for (int f = 0; f < ScheduleEntry::kFieldCount; ++f) {
                const std::string &text = entry.field(f);
                sqlite3_bind_text(insert.get(), f + 2, text.data(), int(text.size()), SQLITE_STATIC);
            }
            if (sqlite3_step(insert.get()) != SQLITE_DONE)
                return StoreOutcome::fromDatabase(db);
            sqlite3_reset(insert.get());
        }
    }
    return {};
}

StoreOutcome clear(sqlite3 *db)
{
    for (int d = kMonday; d <= kSunday; ++d) {
        if (StoreOutcome problem = run(db, ("DELETE FROM " + quoted(table(d))).c_str()); !problem)
            return problem;
    }
    return {};
}

} // namespace WeekTables
