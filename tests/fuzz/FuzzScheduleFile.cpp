// libFuzzer target: a schedule database built from the input (tables of random width, rows of
// random types and sizes, random IDs) read by the loader and checked as a schedule file.
// Built and run by scripts/fuzz.sh under AddressSanitizer and UndefinedBehaviorSanitizer.

#include "schedule/ScheduleDatabase.h"
#include "schedule/WeekTables.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <sqlite3.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

const char *const kDays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

void bindRandom(FuzzedDataProvider &in, sqlite3_stmt *insert, int column)
{
    switch (in.ConsumeIntegralInRange(0, 5)) {
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
    default: {
        const std::string bytes = in.ConsumeRandomLengthString(64);
        sqlite3_bind_blob(insert, column, bytes.data(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    }
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
        std::string values = "?";
        for (int c = 1; c < columns; ++c) {
            create += ", c" + std::to_string(c);
            values += ",?";
        }
        sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db, (std::string("INSERT INTO ") + day + " VALUES(" + values + ")").c_str(), -1, &insert,
                           nullptr);
        const int rows = in.ConsumeIntegralInRange(0, 40);
        for (int r = 0; insert && r < rows && in.remaining_bytes() > 0; ++r) {
            for (int c = 1; c <= columns; ++c)
                bindRandom(in, insert, c);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
    }
    ScheduleDatabase::check(db);
    auto days = std::make_unique<WeekTables::Days>();
    LeftOutRows leftOut;
    if (WeekTables::read(db, *days, leftOut)) {
        for (const DaySchedule &day : *days)
            if (day.count() < 0 || day.count() > DaySchedule::kCapacity)
                std::abort();
    }
    sqlite3_close(db);
    return 0;
}
