#include "device/WeekComparison.h"
#include "schedule/TimeText.h"

#include <benchmark/benchmark.h>

namespace {

// A week with an event in every minute on both sides; on the device every other minute plays
// another melody, so half of all minutes differ and are described.
struct FullWeeks {
    WeekImages file, device;
};

FullWeeks fullWeeks()
{
    DaySchedule day;
    for (int minute = 0; minute < DayImage::kSlots; ++minute) {
        ScheduleEntry e;
        e.Time = storedTime(minute / 60, minute % 60);
        e.MelodyVoice = "Melody";
        e.Selection = std::to_string(minute % 15);
        e.AC = "ON";
        e.CH1 = "1";
        day.append(e);
    }
    DayImage fileDay;
    fileDay.Encode(day);
    DayImage deviceDay = fileDay;
    for (int minute = 0; minute < DayImage::kSlots; minute += 2)
        deviceDay.bytes()[size_t(minute) * 4 + 2] = 0x3F;

    FullWeeks week;
    for (int d = 1; d <= 7; ++d) {
        week.file[d] = fileDay;
        week.device[d] = deviceDay;
    }
    return week;
}

void CompareFullWeek(benchmark::State &state)
{
    const FullWeeks week = fullWeeks();
    for (auto _ : state) {
        std::vector<WeekdayComparison> result = compareWeek(week.file, week.device);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(CompareFullWeek)->Unit(benchmark::kMillisecond);

// The same, with the text form of all 5,047 lines.
void CompareFullWeekAsText(benchmark::State &state)
{
    const FullWeeks week = fullWeeks();
    for (auto _ : state) {
        std::vector<std::string> lines = comparisonLines(compareWeek(week.file, week.device));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(CompareFullWeekAsText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
