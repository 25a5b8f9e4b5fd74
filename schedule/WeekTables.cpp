#include "schedule/WeekTables.h"

#include "schedule/ScheduleDatabase.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace WeekTables {
namespace {

class Statement {
public:
    Statement(sqlite3 *db, const std::string &sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    explicit operator bool() const { return m_statement != nullptr; }
    sqlite3_stmt *get() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
};

StoreOutcome errorText(sqlite3 *db)
{
    return StoreOutcome::fromDatabase(db);
}

std::string table(int dayNumber)
{
    return std::string(weekdayName(dayNumber));
}

std::string quoted(const std::string &name)
{
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + '"';
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

// An ID as the row filter "ID = i" would match it: a whole number, stored as a number or
// as its digits.
bool wholeNumber(sqlite3_stmt *row, int column, sqlite3_int64 &out)
{
    switch (sqlite3_column_type(row, column)) {
    case SQLITE_INTEGER:
        out = sqlite3_column_int64(row, column);
        return true;
    case SQLITE_FLOAT: {
        const double x = sqlite3_column_double(row, column);
        if (!std::isfinite(x) || std::floor(x) != x || std::fabs(x) > 1e12)
            return false;
        out = sqlite3_int64(x);
        return true;
    }
    case SQLITE_TEXT: {
        const char *text = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
        const char *end = text + sqlite3_column_bytes(row, column);
        const auto [stop, error] = std::from_chars(text, end, out);
        return error == std::errc() && stop == end && stop != text;
    }
    default:
        return false;
    }
}

std::string columnText(sqlite3_stmt *row, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(row, column));
    return text ? std::string(text, size_t(sqlite3_column_bytes(row, column))) : std::string();
}

StoreOutcome run(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? StoreOutcome() : errorText(db);
}

// Runs body inside one write transaction; rolls back when it fails.
template <typename Body> StoreOutcome inTransaction(sqlite3 *db, Body body)
{
    StoreOutcome problem = run(db, "BEGIN IMMEDIATE");
    if (!problem)
        return problem;
    problem = body();
    if (problem)
        problem = run(db, "COMMIT");
    if (!problem && !sqlite3_get_autocommit(db))
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return problem;
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
        Statement select(db, "SELECT " + joined(columns) + " FROM " + quoted(table(d)));
        if (!select)
            return errorText(db);

        DaySchedule &day = days[d - 1];
        std::vector<bool> filled(DaySchedule::kCapacity + 1, false);
        int highest = 0;
        ScheduleEntry entry;
        int step;
        while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
            sqlite3_int64 id = 0;
            if (!wholeNumber(select.get(), 0, id)) {
                leftOut.add(d, LeftOutRows::IdNotWhole);
                continue;
            }
            if (id < 1 || id > DaySchedule::kCapacity) {
                leftOut.add(d, LeftOutRows::IdOutOfRange);
                continue;
            }
            if (filled[size_t(id)]) {
                leftOut.add(d, LeftOutRows::IdRepeated);
                continue;
            }
            bool fits = true;
            for (int f = 0; f < ScheduleEntry::kFieldCount && fits; ++f) {
                entry.field(f) = columnText(select.get(), f + 1);
                fits = entry.field(f).size() <= size_t(ScheduleFileFormat::kMaxFieldBytes);
            }
            if (!fits) {
                leftOut.add(d, LeftOutRows::FieldTooLong);
                continue;
            }
            day.setEntry(int(id), entry);
            filled[size_t(id)] = true;
            highest = std::max(highest, int(id));
        }
        if (step != SQLITE_DONE)
            return errorText(db);
        day.setCount(highest);
    }
    return {};
}

StoreOutcome write(sqlite3 *db, const WeeklySchedule &week)
{
    return inTransaction(db, [&]() -> StoreOutcome {
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
                return errorText(db);
            const DaySchedule &day = week.day(d);
            for (int i = 1; i <= day.count(); ++i) {
                const ScheduleEntry &entry = day.entry(i);
                sqlite3_bind_int(insert.get(), 1, i);
                for (int f = 0; f < ScheduleEntry::kFieldCount; ++f) {
                    const std::string &text = entry.field(f);
                    sqlite3_bind_text(insert.get(), f + 2, text.data(), int(text.size()), SQLITE_STATIC);
                }
                if (sqlite3_step(insert.get()) != SQLITE_DONE)
                    return errorText(db);
                sqlite3_reset(insert.get());
            }
        }
        return {};
    });
}

StoreOutcome clear(sqlite3 *db)
{
    return inTransaction(db, [&]() -> StoreOutcome {
        for (int d = kMonday; d <= kSunday; ++d) {
            if (StoreOutcome problem = run(db, ("DELETE FROM " + quoted(table(d))).c_str()); !problem)
                return problem;
        }
        return {};
    });
}

} // namespace WeekTables
