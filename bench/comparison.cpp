#include "device/WeekComparison.h"
#include "schedule/TimeText.h"

#include <benchmark/benchmark.h>

namespace {

// A week with an event in every minute on both sides; on the device every other minute plays
// another melody, so half of all minutes differ and are described.
void CompareFullWeek(benchmark::State &state)
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

    WeekImages file, device;
    for (int d = 1; d <= 7; ++d) {
        file[d] = fileDay;
        device[d] = deviceDay;
    }
    for (auto _ : state) {
        std::vector<std::string> lines = comparisonLines(compareWeek(file, device));
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(CompareFullWeek)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
