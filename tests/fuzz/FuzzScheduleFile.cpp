// libFuzzer target: a schedule database built from the input (tables of random width, rows of
// random types and sizes, random IDs, and maybe the tables of the day programs and the
// calendar) read by the loader and checked as a schedule file.
// Built and run by scripts/fuzz.sh under AddressSanitizer and UndefinedBehaviorSanitizer.

#include "schedule/ProgramCalendarTables.h"
#include "schedule/ScheduleDatabase.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/WeekTables.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

namespace {

const char *const kDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

void bindRandom(FuzzedDataProvider &in, sqlite3_stmt *insert, int column)
{
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0:
        sqlite3_bind_null(insert, column);
        break;
    case 1:
        sqlite3_bind_int64(insert, column, in.ConsumeIntegral<sqlite3_int64>());
        break;
    case 2:
        sqlite3_bind_int(insert, column, in.ConsumeIntegralInRange(-2, 1500));
        break;
    case 3:
        sqlite3_bind_double(insert, column, in.ConsumeFloatingPoint<double>());
        break;
    case 4: {
        const std::string text = in.ConsumeRandomLengthString(2000);
        sqlite3_bind_text(insert, column, text.data(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case 5: { // a date, not always a real one
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", in.ConsumeIntegralInRange(1999, 2031),
                      in.ConsumeIntegralInRange(0, 13), in.ConsumeIntegralInRange(0, 32));
        sqlite3_bind_text(insert, column, text, -1, SQLITE_TRANSIENT);
        break;
    }
    default: {
        const std::string bytes = in.ConsumeRandomLengthString(64);
        sqlite3_bind_blob(insert, column, bytes.data(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    }
}

void fillRows(FuzzedDataProvider &in, sqlite3 *db, const std::string &table, int columns, int rows)
{
    std::string values = "?";
    for (int c = 1; c < columns; ++c)
        values += ",?";
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, ("INSERT INTO " + table + " VALUES(" + values + ")").c_str(), -1, &insert, nullptr);
    for (int r = 0; insert && r < rows && in.remaining_bytes() > 0; ++r) {
        for (int c = 1; c <= columns; ++c)
            bindRandom(in, insert, c);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    sqlite3 *db = nullptr;
    if (sqlite3_open(":memory:", &db) != SQLITE_OK)
        std::abort();
    for (const char *day : kDays) {
        const int columns = in.ConsumeIntegralInRange(7, 11);
        std::string create = std::string("CREATE TABLE ") + day + " (ID";
        for (int c = 1; c < columns; ++c)
            create += ", c" + std::to_string(c);
        sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr);
        fillRows(in, db, day, columns, in.ConsumeIntegralInRange(0, 40));
    }
    if (in.ConsumeBool()) {
        sqlite3_exec(db, ProgramCalendarTables::createStatements().c_str(), nullptr, nullptr, nullptr);
        fillRows(in, db, ScheduleFileFormat::kProgramsTable, 3, in.ConsumeIntegralInRange(0, 120));
        fillRows(in, db, ScheduleFileFormat::kProgramEntriesTable, 10, in.ConsumeIntegralInRange(0, 80));
        fillRows(in, db, ScheduleFileFormat::kCalendarTable, 5, in.ConsumeIntegralInRange(0, 40));
    }
    ScheduleDatabase::check(db);
    auto days = std::make_unique<WeekTables::Days>();
    LeftOutRows leftOut;
    if (WeekTables::read(db, *days, leftOut)) {
        for (const DaySchedule &day : *days)
            if (day.count() < 0 || day.count() > DaySchedule::kCapacity)
                std::abort();
    }
    ProgramCalendar special;
    ProgramCalendarTables::ProgramDays programDays;
    if (ProgramCalendarTables::read(db, special, programDays, leftOut)) {
        std::set<int> numbers;
        if (special.programs.size() > size_t(ScheduleFileFormat::kMaxDayPrograms) + 1)
            std::abort();
        for (const DayProgram &p : special.programs)
            if (!numbers.insert(p.day).second || (p.day <= kNoBellsDay && p.name != ProgramCalendar::kNoBellsName))
                std::abort();
        for (const auto &[number, day] : programDays)
            if (!special.program(number) || number == kNoBellsDay || day.count() > DaySchedule::kCapacity)
                std::abort();
        for (const CalendarEntry &e : special.calendar)
            if (!e.first.isValid() || e.last < e.first || !special.program(e.program))
                std::abort();
    }
    sqlite3_close(db);
    return 0;
}
