#include "bench/FullDay.h"
#include "plan/PlannedDay.h"
#include "plan/PlannedWeek.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPrograms = 10;
constexpr int kCalendarEntries = 200;
const QDate kFirst(2027, 1, 1);

// A school year's calendar: 200 entries over ten programs, single days and ranges of up to two
// weeks, overlapping, spread over the year; every program and weekday full to the minute.
void fillSchoolYear(WeeklySchedule &week)
{
    ProgramCalendar special;
    for (int p = 1; p <= kPrograms; ++p)
        special.programs.push_back({kFirstProgramDay + p, QStringLiteral("Program %1").arg(p)});
    for (int i = 0; i < kCalendarEntries; ++i) {
        const QDate first = kFirst.addDays((i * 37) % 365);
        const QDate last = first.addDays(i % 5 == 0 ? i % 14 : 0);
        const int program = i % 11 == 0 ? kNoBellsDay : kFirstProgramDay + 1 + i % kPrograms;
        special.calendar.push_back({first, last, program, QString()});
    }
    week.setProgramCalendar(special);
    for (int d = 1; d <= 7; ++d)
        fillFullDay(week, d);
    for (int p = 1; p <= kPrograms; ++p)
        fillFullDay(week, kFirstProgramDay + p);
}

// What `tavrin-cli plan --days 366` computes.
void PlanYear(benchmark::State &state)
{
    WeeklySchedule week;
    fillSchoolYear(week);
    for (auto _ : state) {
        std::vector<PlannedDay> days = planDays(week, kFirst, 366);
        benchmark::DoNotOptimize(days);
    }
}
BENCHMARK(PlanYear)->Unit(benchmark::kMillisecond);

// What sync computes before it sends: the week ahead with its seven images.
void PlanWeekAhead(benchmark::State &state)
{
    WeeklySchedule week;
    fillSchoolYear(week);
    for (auto _ : state) {
        PlannedWeek plan(week, kFirst.addDays(100));
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(PlanWeekAhead)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
