#include "FullDay.h"

#include "view/CalendarPage.h"
#include "view/PlayedEvents.h"

#include <benchmark/benchmark.h>

namespace {

// A year of one-day entries, each on its own date, over a week-long holiday added first: the
// Calendar window plans the 56 dates around a month on every step of the history.
void setUpCalendar(WeeklySchedule &week, int entries)
{
    ProgramCalendar special;
    special.programs.push_back({9, QStringLiteral("Exam day")});
    special.calendar.push_back({QDate(2027, 1, 1), QDate(2027, 1, 7), kNoBellsDay, QStringLiteral("Holiday")});
    for (int i = 0; i < entries; ++i)
        special.calendar.push_back({QDate(2027, 1, 1).addDays(i), QDate(2027, 1, 1).addDays(i), 9, QString()});
    week.setProgramCalendar(special);
}

void MonthGridOfDates(benchmark::State &state)
{
    WeeklySchedule week;
    setUpCalendar(week, int(state.range(0)));
    const CalendarPage page(week);
    for (auto _ : state)
        benchmark::DoNotOptimize(page.cells(QDate(2027, 5, 18), 59, QDate(2027, 6, 3)));
}
BENCHMARK(MonthGridOfDates)->Arg(10)->Arg(365)->Arg(3650);

// The chosen date on a day with an event in every minute, in the list's words.
void FullDayOfEvents(benchmark::State &state)
{
    WeeklySchedule week;
    fillFullDay(week, 1);
    const CalendarPage page(week);
    for (auto _ : state) {
        const CalendarPage::DateEvents events = page.dateEvents(QDate(2027, 1, 4), QDate(2027, 1, 4));
        QString last;
        for (const ListRow &row : events.events)
            last = shownEventLine(row);
        benchmark::DoNotOptimize(last);
    }
}
BENCHMARK(FullDayOfEvents);

} // namespace

BENCHMARK_MAIN();
