#pragma once

#include "schedule/DaySchedule.h"
#include "schedule/LeftOutRows.h"
#include "schedule/StoreOutcome.h"

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

// What the readers and writers of the schedule tables share: a prepared statement that
// finalizes itself, the reading of IDs and texts as the loader takes them, and one write
// transaction around several tables.
namespace SqliteRows {

class Statement {
public:
    Statement(sqlite3 *db, const std::string &sql);
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    explicit operator bool() const { return m_statement != nullptr; }
    sqlite3_stmt *get() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
};

// The rows of one SELECT without ORDER BY, in the order the table gives them, passing over a
// row that holds a value longer than SQLite hands over (its length limit; such a value
// otherwise ends the whole read with "string or blob too big") instead of ending there.
class RowScan {
public:
    RowScan(sqlite3 *db, const std::string &select);

    explicit operator bool() const { return bool(m_statement); }
    sqlite3_stmt *get() const { return m_statement.get(); }
    // SQLITE_ROW with the row in get(), SQLITE_DONE at the end, or the error that ended it.
    int step();
    // The rows passed over so far.
    int tooLong() const { return m_tooLong; }

private:
    Statement m_statement;
    sqlite3_int64 m_seen = 0;
    int m_tooLong = 0;
};

// One value of a row as read: its type, its number and its bytes (a number's as SQLite writes
// it; NULL's empty).
struct Cell {
    int type = SQLITE_NULL;
    sqlite3_int64 whole = 0;
    double real = 0;
    std::string text;
};

Cell cellAt(sqlite3_stmt *row, int column);

// Whether a comes before b where ORDER BY puts them: NULL, then numbers by value, then texts,
// then blobs, both by their bytes.
bool sortsBefore(const Cell &a, const Cell &b);

// The rows of a SELECT without ORDER BY as a RowScan reads them, sorted by the columns `by` as
// ORDER BY would sort them (rows alike keep the table's order). Sorting here, not in SQL, keeps
// one over-long value from ending the whole read: SQLite's sorter loads every value of every
// row. The rows passed over are counted in tooLong. A text longer than maxText is kept cut to
// one byte more (still too long to take), so a file of many long values is not all held.
StoreOutcome sortedRows(sqlite3 *db, const std::string &select, const std::vector<int> &by, size_t maxText,
                        std::vector<std::vector<Cell>> &rows, int &tooLong);

// A name as SQL quotes an identifier.
std::string quoted(const std::string &name);

// A value as the row filter "ID = i" would match it: a whole number, stored as a number or
// as its digits.
bool wholeNumber(sqlite3_stmt *row, int column, sqlite3_int64 &out);
bool wholeNumber(const Cell &value, sqlite3_int64 &out);

// The column's text; NULL reads as empty.
std::string columnText(sqlite3_stmt *row, int column);

// Takes the ID in column idColumn and the eight entry fields after it into day at that
// position (filled marks the positions taken, sized when empty; the count grows to the
// highest). Why not, when the row cannot be shown.
std::optional<LeftOutRows::Reason> takeEntry(sqlite3_stmt *row, int idColumn, DaySchedule &day,
                                             std::vector<bool> &filled);

StoreOutcome run(sqlite3 *db, const char *sql);

// Whether the database has a table of that name (in any letter case).
bool hasTable(sqlite3 *db, const std::string &name);

// Runs body inside one write transaction; rolls back when it fails, so the file keeps what it
// held.
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

} // namespace SqliteRows
