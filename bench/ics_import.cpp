#include "calendar/IcsReading.h"
#include "calendar/ImportMerge.h"

#include <benchmark/benchmark.h>

namespace {

// 2,000 events as a school district's calendar holds them: half one-off days and breaks, the
// rest yearly holidays and weekly days off that end after six weeks, about 4,000 occurrences in
// the 400 days ahead (under the 5,000 a file may give).
QByteArray districtCalendar()
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n";
    const QDate base(2027, 1, 4);
    for (int i = 0; i < 2000; ++i) {
        const QDate start = base.addDays(i % 350);
        text += "BEGIN:VEVENT\r\nUID:event-" + QByteArray::number(i) + "@district\r\nSUMMARY:Holiday number "
            + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:" + start.toString(QStringLiteral("yyyyMMdd")).toLatin1()
            + "\r\nDTEND;VALUE=DATE:" + start.addDays(1 + i % 3).toString(QStringLiteral("yyyyMMdd")).toLatin1()
            + "\r\n";
        if (i % 4 == 1)
            text += "RRULE:FREQ=YEARLY\r\n";
        else if (i % 4 == 3)
            text += "RRULE:FREQ=WEEKLY;COUNT=6\r\nEXDATE;VALUE=DATE:"
                + start.addDays(7).toString(QStringLiteral("yyyyMMdd")).toLatin1() + "\r\n";
        text += "END:VEVENT\r\n";
    }
    return text + "END:VCALENDAR\r\n";
}

void ReadDistrictCalendar(benchmark::State &state)
{
    const QByteArray text = districtCalendar();
    size_t found = 0;
    for (auto _ : state) {
        const IcsReading reading = readIcs(text, QDate(2027, 1, 1));
        found = reading.refusal ? 0 : reading.occurrences.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["occurrences"] = double(found);
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(ReadDistrictCalendar)->Unit(benchmark::kMillisecond);

// Reading and taking the whole file into a calendar that took it before.
void ReadAndTakeAgain(benchmark::State &state)
{
    const QByteArray text = districtCalendar();
    std::vector<ChosenOccurrence> chosen;
    for (const IcsOccurrence &o : readIcs(text, QDate(2027, 1, 1)).occurrences)
        chosen.push_back({o, kNoBellsDay});
    const std::vector<CalendarEntry> before = mergeOccurrences({}, chosen);
    for (auto _ : state) {
        std::vector<ChosenOccurrence> again;
        for (const IcsOccurrence &o : readIcs(text, QDate(2027, 1, 1)).occurrences)
            again.push_back({o, kNoBellsDay});
        benchmark::DoNotOptimize(mergeOccurrences(before, again));
    }
}
BENCHMARK(ReadAndTakeAgain)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
