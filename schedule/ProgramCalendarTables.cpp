#include "schedule/ProgramCalendarTables.h"

#include "schedule/ControlCharacters.h"
#include "schedule/CsvRecords.h"
#include "schedule/ScheduleDatabase.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/SqliteRows.h"
#include "schedule/WeeklySchedule.h"

#include <sqlite3.h>

#include <algorithm>
#include <set>
#include <vector>

namespace ProgramCalendarTables {
namespace {

using SqliteRows::quoted;
using SqliteRows::run;
using SqliteRows::Statement;

// Program numbers stay far below where counting up from the highest could overflow.
constexpr sqlite3_int64 kMaxProgramDay = 999999;

// Longer names and notes are left out, so no more of them is held while the rows are sorted.
constexpr size_t kLongestKept = size_t(ScheduleFileFormat::kMaxFieldBytes);

struct Column {
    std::string name;
    const char *type;
};

struct Table {
    const char *name;
    std::vector<Column> columns;
    // The columns every file of the table has; those after them came with a later version,
    // read as NULL where missing and added by the upgrade.
    size_t required = columns.size();
};

const std::vector<Table> &tables()
{
    static const std::vector<Table> all = [] {
        std::vector<Column> entries = {{"Program", "INTEGER"}};
        for (const QString &name : ScheduleDatabase::columnNames())
            entries.push_back({name.toStdString(), name == QLatin1String("ID") ? "INTEGER" : "TEXT"});
        std::vector<Table> all{
            {ScheduleFileFormat::kProgramsTable, {{"Program", "INTEGER"}, {"Name", "TEXT"}, {"Position", "INTEGER"}}},
            {ScheduleFileFormat::kProgramEntriesTable, entries},
            {ScheduleFileFormat::kCalendarTable,
             {{"Entry", "INTEGER"},
              {"First", "TEXT"},
              {"Last", "TEXT"},
              {"Program", "INTEGER"},
              {"Note", "TEXT"},
              {"SourceUid", "TEXT"},
              {"SourceDate", "TEXT"}}},
            {ScheduleFileFormat::kSoundNamesTable, {{"Kind", "TEXT"}, {"Number", "INTEGER"}, {"Name", "TEXT"}}},
        };
        all[2].required = 5;
        return all;
    }();
    return all;
}

const Table &programsTable()
{
    return tables()[0];
}
const Table &entriesTable()
{
    return tables()[1];
}
const Table &calendarTable()
{
    return tables()[2];
}
const Table &soundNamesTable()
{
    return tables()[3];
}

std::string columnList(const Table &table)
{
    std::string out;
    for (const Column &c : table.columns)
        out += (out.empty() ? "" : ",") + quoted(c.name);
    return out;
}

bool hasColumn(sqlite3 *db, const std::string &table, const std::string &column)
{
    Statement info(db, "SELECT 1 FROM pragma_table_info(?) WHERE name = ? COLLATE NOCASE");
    if (!info)
        return false;
    sqlite3_bind_text(info.get(), 1, table.data(), int(table.size()), SQLITE_STATIC);
    sqlite3_bind_text(info.get(), 2, column.data(), int(column.size()), SQLITE_STATIC);
    return sqlite3_step(info.get()) == SQLITE_ROW;
}

// Every column of the table, NULL for a later one the file's table lacks.
std::string selectAll(sqlite3 *db, const Table &table)
{
    std::string out;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const std::string &name = table.columns[i].name;
        const bool present = i < table.required || hasColumn(db, table.name, name);
        out += (out.empty() ? "" : ",") + (present ? quoted(name) : std::string("NULL"));
    }
    return "SELECT " + out + " FROM " + quoted(table.name);
}

std::string insertAll(const Table &table)
{
    std::string marks;
    for (size_t i = 0; i < table.columns.size(); ++i)
        marks += i ? ",?" : "?";
    return "INSERT INTO " + quoted(table.name) + " (" + columnList(table) + ") VALUES(" + marks + ")";
}

void bindText(sqlite3_stmt *statement, int index, const std::string &text)
{
    sqlite3_bind_text(statement, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
}

void bindText(sqlite3_stmt *statement, int index, const QString &text)
{
    bindText(statement, index, text.toStdString());
}

long long pragma(sqlite3 *db, const char *sql)
{
    Statement statement(db, sql);
    return statement && sqlite3_step(statement.get()) == SQLITE_ROW ? sqlite3_column_int64(statement.get(), 0) : 0;
}

// A date stored as YYYY-MM-DD text; invalid for anything else.
QDate storedDate(const SqliteRows::Cell &value)
{
    if (value.type != SQLITE_TEXT)
        return {};
    const std::string &text = value.text;
    if (text.size() != 10)
        return {};
    for (size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9'))
            return {};
    }
    return QDate::fromString(QString::fromLatin1(text.data(), qsizetype(text.size())), QStringLiteral("yyyy-MM-dd"));
}

// A name or note as shown: its bytes that are not UTF-8 left out, as an entry's fields are.
QString shownText(const std::string &stored)
{
    return QString::fromStdString(withEncodingRepaired(stored));
}

QString programPlace(const QString &name)
{
    return QStringLiteral("Program \"%1\"").arg(name);
}

StoreOutcome readPrograms(sqlite3 *db, ProgramCalendar &special, LeftOutRows &leftOut)
{
    const QString place = QStringLiteral("Day programs");
    std::vector<std::vector<SqliteRows::Cell>> rows;
    int tooLong = 0;
    const StoreOutcome read =
        SqliteRows::sortedRows(db, selectAll(db, programsTable()), {2, 0}, kLongestKept, rows, tooLong);
    if (!read)
        return read;
    for (int n = 0; n < tooLong; ++n)
        leftOut.add(place, LeftOutRows::FieldTooLong);
    int kept = 0;
    for (const std::vector<SqliteRows::Cell> &row : rows) {
        sqlite3_int64 number = 0;
        if (!SqliteRows::wholeNumber(row[0], number) || number <= kNoBellsDay || number > kMaxProgramDay) {
            leftOut.add(place, LeftOutRows::ProgramNumberBad);
            continue;
        }
        if (special.program(int(number))) {
            leftOut.add(place, LeftOutRows::ProgramNumberRepeated);
            continue;
        }
        const std::string &name = row[1].text;
        if (name.size() > size_t(ScheduleFileFormat::kMaxFieldBytes)) {
            leftOut.add(place, LeftOutRows::FieldTooLong);
            continue;
        }
        if (holdsControlCharacter(name)) {
            leftOut.add(place, LeftOutRows::ControlCharacter);
            continue;
        }
        const QString shownName = shownText(name);
        if (shownName.trimmed().isEmpty()) {
            leftOut.add(place, LeftOutRows::NameEmpty);
            continue;
        }
        if (special.programNamed(shownName)) {
            leftOut.add(place, LeftOutRows::NameRepeated);
            continue;
        }
        if (kept == ScheduleFileFormat::kMaxDayPrograms) {
            leftOut.add(place, LeftOutRows::TooMany);
            continue;
        }
        special.programs.push_back({int(number), shownName});
        ++kept;
    }
    return read;
}

StoreOutcome readEntries(sqlite3 *db, const ProgramCalendar &special, ProgramDays &days, LeftOutRows &leftOut)
{
    // Entries of no program share one place, however many numbers they name.
    const QString nowhere = QStringLiteral("Program entries");
    SqliteRows::RowScan select(db, selectAll(db, entriesTable()));
    if (!select)
        return StoreOutcome::fromDatabase(db);
    std::map<int, std::vector<bool>> filled;
    int step;
    while ((step = select.step()) == SQLITE_ROW) {
        sqlite3_int64 number = 0;
        if (!SqliteRows::wholeNumber(select.get(), 0, number)) {
            leftOut.add(nowhere, LeftOutRows::ProgramNumberBad);
            continue;
        }
        if (number == kNoBellsDay) {
            leftOut.add(programPlace(ProgramCalendar::kNoBellsName), LeftOutRows::NoBellsEntry);
            continue;
        }
        const DayProgram *program =
            number > kNoBellsDay && number <= kMaxProgramDay ? special.program(int(number)) : nullptr;
        if (!program) {
            leftOut.add(nowhere, LeftOutRows::NoSuchProgram);
            continue;
        }
        if (const auto reason = SqliteRows::takeEntry(select.get(), 1, days[program->day], filled[program->day]))
            leftOut.add(programPlace(program->name), *reason);
    }
    for (int n = 0; n < select.tooLong(); ++n)
        leftOut.add(nowhere, LeftOutRows::FieldTooLong);
    return step == SQLITE_DONE ? StoreOutcome() : StoreOutcome::fromDatabase(db);
}

StoreOutcome readCalendar(sqlite3 *db, ProgramCalendar &special, LeftOutRows &leftOut)
{
    const QString place = QStringLiteral("Calendar");
    std::vector<std::vector<SqliteRows::Cell>> rows;
    int tooLong = 0;
    const StoreOutcome read =
        SqliteRows::sortedRows(db, selectAll(db, calendarTable()), {0, 1, 2, 3}, kLongestKept, rows, tooLong);
    if (!read)
        return read;
    for (int n = 0; n < tooLong; ++n)
        leftOut.add(place, LeftOutRows::FieldTooLong);
    for (const std::vector<SqliteRows::Cell> &row : rows) {
        CalendarEntry entry;
        entry.first = storedDate(row[1]);
        entry.last = storedDate(row[2]);
        sqlite3_int64 number = 0;
        const bool whole = SqliteRows::wholeNumber(row[3], number);
        const std::string &note = row[4].text;
        LeftOutRows::Reason reason = LeftOutRows::kReasonCount;
        if (!entry.first.isValid() || !entry.last.isValid())
            reason = LeftOutRows::DateInvalid;
        else if (entry.last < entry.first)
            reason = LeftOutRows::LastBeforeFirst;
        else if (!whole || number < kNoBellsDay || number > kMaxProgramDay || !special.program(int(number)))
            reason = LeftOutRows::NoSuchProgram;
        else if (note.size() > size_t(ScheduleFileFormat::kMaxFieldBytes))
            reason = LeftOutRows::FieldTooLong;
        else if (holdsControlCharacter(note))
            reason = LeftOutRows::ControlCharacter;
        else if (special.calendar.size() == size_t(ScheduleFileFormat::kMaxCalendarEntries))
            reason = LeftOutRows::TooMany;
        if (reason != LeftOutRows::kReasonCount) {
            leftOut.add(place, reason);
            continue;
        }
        entry.program = int(number);
        entry.note = shownText(note);
        // Where the entry came from only matters while it is whole: a part missing or unreadable
        // makes it an entry made by hand.
        const QDate sourceDate = storedDate(row[6]);
        if (row[5].type == SQLITE_TEXT && !row[5].text.empty() && !holdsControlCharacter(row[5].text)
            && sourceDate.isValid()) {
            entry.sourceUid = shownText(row[5].text);
            entry.sourceDate = sourceDate;
        }
        special.calendar.push_back(entry);
    }
    return read;
}

StoreOutcome readSounds(sqlite3 *db, SoundNames &names, LeftOutRows &leftOut)
{
    const QString place = QStringLiteral("Sounds");
    std::vector<std::vector<SqliteRows::Cell>> rows;
    int tooLong = 0;
    const StoreOutcome read =
        SqliteRows::sortedRows(db, selectAll(db, soundNamesTable()), {0, 1}, kLongestKept, rows, tooLong);
    if (!read)
        return read;
    for (int n = 0; n < tooLong; ++n)
        leftOut.add(place, LeftOutRows::FieldTooLong);
    std::set<std::pair<int, sqlite3_int64>> named;
    for (const std::vector<SqliteRows::Cell> &row : rows) {
        const std::optional<SoundKind> known =
            row[0].type == SQLITE_TEXT ? SoundNames::kindOf(std::string_view(row[0].text)) : std::nullopt;
        const SoundKind kind = known.value_or(SoundKind::Melody);
        sqlite3_int64 number = 0;
        const QString name = shownText(row[2].text);
        LeftOutRows::Reason reason = LeftOutRows::kReasonCount;
        if (!known || !SqliteRows::wholeNumber(row[1], number) || number < 1 || number > SoundNames::kCount)
            reason = LeftOutRows::SoundUnknown;
        else if (!named.insert({int(kind), number}).second)
            reason = LeftOutRows::SoundRepeated;
        else if (holdsControlCharacter(row[2].text))
            reason = LeftOutRows::ControlCharacter;
        else if (!SoundNames::isValidName(name))
            reason = LeftOutRows::SoundNameTooLong;
        if (reason != LeftOutRows::kReasonCount) {
            leftOut.add(place, reason);
            continue;
        }
        names.setName(kind, int(number), name);
    }
    return read;
}

StoreOutcome stepped(sqlite3 *db, sqlite3_stmt *statement)
{
    if (sqlite3_step(statement) != SQLITE_DONE)
        return StoreOutcome::fromDatabase(db);
    sqlite3_reset(statement);
    return {};
}

} // namespace

std::string createStatements()
{
    std::string sql;
    for (const Table &table : tables()) {
        std::string columns;
        for (const Column &c : table.columns)
            columns += (columns.empty() ? "" : ", ") + quoted(c.name) + " " + c.type;
        sql += "CREATE TABLE IF NOT EXISTS " + quoted(table.name) + " (" + columns + ");";
    }
    return sql;
}

StoreOutcome check(sqlite3 *db)
{
    for (const Table &table : tables()) {
        Statement kind(db, "SELECT type FROM sqlite_master WHERE name = ? COLLATE NOCASE AND type <> 'table'");
        Statement info(db, "SELECT name FROM pragma_table_info(?)");
        if (!kind || !info)
            return StoreOutcome::fromDatabase(db);
        const std::string name = table.name;
        sqlite3_bind_text(kind.get(), 1, name.data(), int(name.size()), SQLITE_STATIC);
        if (sqlite3_step(kind.get()) == SQLITE_ROW)
            return StoreOutcome::failure(
                StoreError::NotSchedule,
                QStringLiteral("%1 is a %2, not a table")
                    .arg(QString::fromStdString(name), QString::fromStdString(SqliteRows::columnText(kind.get(), 0))));
        if (!SqliteRows::hasTable(db, name))
            continue;
        sqlite3_bind_text(info.get(), 1, name.data(), int(name.size()), SQLITE_STATIC);
        std::vector<QString> present;
        while (sqlite3_step(info.get()) == SQLITE_ROW)
            present.push_back(QString::fromStdString(SqliteRows::columnText(info.get(), 0)));
        for (size_t i = 0; i < table.required; ++i) {
            const Column &c = table.columns[i];
            const QString wanted = QString::fromStdString(c.name);
            if (std::none_of(present.begin(), present.end(),
                             [&](const QString &p) { return p.compare(wanted, Qt::CaseInsensitive) == 0; }))
                return StoreOutcome::failure(
                    StoreError::NotSchedule,
                    QStringLiteral("the table %1 has no column %2").arg(QString::fromStdString(name), wanted));
        }
    }
    return {};
}

StoreOutcome read(sqlite3 *db, ProgramCalendar &special, ProgramDays &days, LeftOutRows &leftOut)
{
    StoreOutcome outcome;
    if (SqliteRows::hasTable(db, programsTable().name))
        outcome = readPrograms(db, special, leftOut);
    if (outcome && SqliteRows::hasTable(db, entriesTable().name))
        outcome = readEntries(db, special, days, leftOut);
    if (outcome && SqliteRows::hasTable(db, calendarTable().name))
        outcome = readCalendar(db, special, leftOut);
    return outcome;
}

StoreOutcome readSoundNames(sqlite3 *db, SoundNames &names, LeftOutRows &leftOut)
{
    return SqliteRows::hasTable(db, soundNamesTable().name) ? readSounds(db, names, leftOut) : StoreOutcome();
}

StoreOutcome upgrade(sqlite3 *db)
{
    StoreOutcome outcome = run(db, createStatements().c_str());
    for (const Table &table : tables()) {
        for (size_t i = table.required; outcome && i < table.columns.size(); ++i) {
            const Column &c = table.columns[i];
            if (!hasColumn(db, table.name, c.name))
                outcome = run(
                    db, ("ALTER TABLE " + quoted(table.name) + " ADD COLUMN " + quoted(c.name) + " " + c.type).c_str());
        }
    }
    if (outcome && pragma(db, "PRAGMA user_version") < ScheduleFileFormat::kSchemaVersion)
        outcome = run(db, ("PRAGMA user_version=" + std::to_string(ScheduleFileFormat::kSchemaVersion)).c_str());
    if (outcome && pragma(db, "PRAGMA application_id") == 0)
        outcome = run(db, ("PRAGMA application_id=" + std::to_string(ScheduleFileFormat::kApplicationId)).c_str());
    return outcome;
}

StoreOutcome write(sqlite3 *db, const WeeklySchedule &week)
{
    if (StoreOutcome problem = clear(db); !problem)
        return problem;
    Statement program(db, insertAll(programsTable()));
    Statement entry(db, insertAll(entriesTable()));
    Statement dates(db, insertAll(calendarTable()));
    Statement sound(db, insertAll(soundNamesTable()));
    if (!program || !entry || !dates || !sound)
        return StoreOutcome::fromDatabase(db);

    const ProgramCalendar &special = week.programCalendar();
    for (size_t i = 0; i < special.programs.size(); ++i) {
        const DayProgram &p = special.programs[i];
        if (p.day == kNoBellsDay)
            continue;
        sqlite3_bind_int(program.get(), 1, p.day);
        bindText(program.get(), 2, p.name);
        sqlite3_bind_int(program.get(), 3, int(i));
        if (StoreOutcome problem = stepped(db, program.get()); !problem)
            return problem;

        const DaySchedule &day = week.day(p.day);
        for (int position = 1; position <= day.count(); ++position) {
            const ScheduleEntry &e = day.entry(position);
            sqlite3_bind_int(entry.get(), 1, p.day);
            sqlite3_bind_int(entry.get(), 2, position);
            for (int f = 0; f < ScheduleEntry::kFieldCount; ++f)
                bindText(entry.get(), f + 3, e.field(f));
            if (StoreOutcome problem = stepped(db, entry.get()); !problem)
                return problem;
        }
    }
    for (size_t i = 0; i < special.calendar.size(); ++i) {
        const CalendarEntry &c = special.calendar[i];
        sqlite3_bind_int64(dates.get(), 1, sqlite3_int64(i) + 1);
        bindText(dates.get(), 2, c.first.toString(Qt::ISODate));
        bindText(dates.get(), 3, c.last.toString(Qt::ISODate));
        sqlite3_bind_int(dates.get(), 4, c.program);
        bindText(dates.get(), 5, c.note);
        if (c.sourceUid.isEmpty() || !c.sourceDate.isValid()) {
            sqlite3_bind_null(dates.get(), 6);
            sqlite3_bind_null(dates.get(), 7);
        } else {
            bindText(dates.get(), 6, c.sourceUid);
            bindText(dates.get(), 7, c.sourceDate.toString(Qt::ISODate));
        }
        if (StoreOutcome problem = stepped(db, dates.get()); !problem)
            return problem;
    }
    const SoundNames &names = week.soundNames();
    for (SoundKind kind : {SoundKind::Melody, SoundKind::Voice}) {
        for (int number = 1; number <= SoundNames::kCount; ++number) {
            const QString name = names.name(kind, number);
            if (name.isEmpty())
                continue;
            bindText(sound.get(), 1, SoundNames::kindText(kind));
            sqlite3_bind_int(sound.get(), 2, number);
            bindText(sound.get(), 3, name);
            if (StoreOutcome problem = stepped(db, sound.get()); !problem)
                return problem;
        }
    }
    return {};
}

StoreOutcome clear(sqlite3 *db)
{
    for (const Table &table : tables()) {
        if (!SqliteRows::hasTable(db, table.name))
            continue;
        if (StoreOutcome problem = run(db, ("DELETE FROM " + quoted(table.name)).c_str()); !problem)
            return problem;
    }
    return {};
}

} // namespace ProgramCalendarTables
