#include "schedule/SqliteRows.h"

#include "schedule/ControlCharacters.h"
#include "schedule/ScheduleFileFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace SqliteRows {

Statement::Statement(sqlite3 *db, const std::string &sql)
{
    if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

RowScan::RowScan(sqlite3 *db, const std::string &select)
    : m_statement(db, select + " LIMIT -1 OFFSET ?")
{
    if (m_statement)
        sqlite3_bind_int64(m_statement.get(), 1, 0);
}

int RowScan::step()
{
    for (;;) {
        const int code = sqlite3_step(m_statement.get());
        if (code == SQLITE_ROW)
            ++m_seen;
        if (code != SQLITE_TOOBIG)
            return code;
        // The same query from the row after: the rows an OFFSET skips are never read out.
        ++m_tooLong;
        ++m_seen;
        sqlite3_reset(m_statement.get());
        sqlite3_bind_int64(m_statement.get(), 1, m_seen);
    }
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

Cell cellAt(sqlite3_stmt *row, int column)
{
    Cell cell;
    cell.type = sqlite3_column_type(row, column);
    if (cell.type == SQLITE_INTEGER)
        cell.whole = sqlite3_column_int64(row, column);
    else if (cell.type == SQLITE_FLOAT)
        cell.real = sqlite3_column_double(row, column);
    cell.text = columnText(row, column);
    return cell;
}

namespace {

// -1, 0 or 1 as a whole number compares with a fraction, exactly even past 2^53.
int compareWholeWithReal(sqlite3_int64 whole, double real)
{
    if (real < -9223372036854775808.0)
        return 1;
    if (real >= 9223372036854775808.0)
        return -1;
    const auto truncated = sqlite3_int64(real);
    if (whole != truncated)
        return whole < truncated ? -1 : 1;
    const auto asReal = double(whole);
    return asReal < real ? -1 : asReal > real ? 1 : 0;
}

int typeRank(int type)
{
    switch (type) {
    case SQLITE_NULL:
        return 0;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return 1;
    case SQLITE_TEXT:
        return 2;
    default:
        return 3;
    }
}

} // namespace

bool sortsBefore(const Cell &a, const Cell &b)
{
    const int rankA = typeRank(a.type), rankB = typeRank(b.type);
    if (rankA != rankB)
        return rankA < rankB;
    if (rankA == 0)
        return false;
    if (rankA > 1)
        return a.text < b.text;
    if (a.type == SQLITE_INTEGER && b.type == SQLITE_INTEGER)
        return a.whole < b.whole;
    if (a.type == SQLITE_FLOAT && b.type == SQLITE_FLOAT)
        return a.real < b.real;
    return a.type == SQLITE_INTEGER ? compareWholeWithReal(a.whole, b.real) < 0
                                    : compareWholeWithReal(b.whole, a.real) > 0;
}

StoreOutcome sortedRows(sqlite3 *db, const std::string &select, const std::vector<int> &by, size_t maxText,
                        std::vector<std::vector<Cell>> &rows, int &tooLong)
{
    RowScan scan(db, select);
    if (!scan)
        return StoreOutcome::fromDatabase(db);
    int step;
    while ((step = scan.step()) == SQLITE_ROW) {
        std::vector<Cell> row;
        for (int c = 0; c < sqlite3_column_count(scan.get()); ++c) {
            row.push_back(cellAt(scan.get(), c));
            if (row.back().text.size() > maxText) {
                row.back().text.resize(maxText + 1);
                row.back().text.shrink_to_fit();
            }
        }
        rows.push_back(std::move(row));
    }
    tooLong = scan.tooLong();
    if (step != SQLITE_DONE)
        return StoreOutcome::fromDatabase(db);
    std::stable_sort(rows.begin(), rows.end(), [&](const std::vector<Cell> &a, const std::vector<Cell> &b) {
        for (const int c : by) {
            if (sortsBefore(a[size_t(c)], b[size_t(c)]))
                return true;
            if (sortsBefore(b[size_t(c)], a[size_t(c)]))
                return false;
        }
        return false;
    });
    return {};
}

bool wholeNumber(sqlite3_stmt *row, int column, sqlite3_int64 &out)
{
    return wholeNumber(cellAt(row, column), out);
}

bool wholeNumber(const Cell &value, sqlite3_int64 &out)
{
    switch (value.type) {
    case SQLITE_INTEGER:
        out = value.whole;
        return true;
    case SQLITE_FLOAT: {
        const double x = value.real;
        if (!std::isfinite(x) || std::floor(x) != x || std::fabs(x) > 1e12)
            return false;
        out = sqlite3_int64(x);
        return true;
    }
    case SQLITE_TEXT: {
        const char *text = value.text.data();
        const char *end = text + value.text.size();
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

std::optional<LeftOutRows::Reason> takeEntry(sqlite3_stmt *row, int idColumn, DaySchedule &day,
                                             std::vector<bool> &filled)
{
    sqlite3_int64 id = 0;
    if (!wholeNumber(row, idColumn, id))
        return LeftOutRows::IdNotWhole;
    if (id < 1 || id > DaySchedule::kCapacity)
        return LeftOutRows::IdOutOfRange;
    if (filled.empty())
        filled.assign(DaySchedule::kCapacity + 1, false);
    if (filled[size_t(id)])
        return LeftOutRows::IdRepeated;
    ScheduleEntry entry;
    for (int f = 0; f < ScheduleEntry::kFieldCount; ++f) {
        entry.field(f) = columnText(row, idColumn + 1 + f);
        if (entry.field(f).size() > size_t(ScheduleFileFormat::kMaxFieldBytes))
            return LeftOutRows::FieldTooLong;
    }
    for (int f = 0; f < ScheduleEntry::kFieldCount; ++f) {
        if (holdsControlCharacter(entry.field(f)))
            return LeftOutRows::ControlCharacter;
    }
    day.setEntry(int(id), entry);
    day.setCount(std::max(day.count(), int(id)));
    filled[size_t(id)] = true;
    return std::nullopt;
}

StoreOutcome run(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? StoreOutcome()
                                                                         : StoreOutcome::fromDatabase(db);
}

bool hasTable(sqlite3 *db, const std::string &name)
{
    Statement find(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    if (!find)
        return false;
    sqlite3_bind_text(find.get(), 1, name.data(), int(name.size()), SQLITE_STATIC);
    return sqlite3_step(find.get()) == SQLITE_ROW;
}

} // namespace SqliteRows
