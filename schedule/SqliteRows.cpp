#include "schedule/SqliteRows.h"

#include "schedule/ControlCharacters.h"
#include "schedule/ScheduleFileFormat.h"

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
