#include "device/DayImage.h"
#include "schedule/TimeText.h"

#include <benchmark/benchmark.h>

namespace {

DaySchedule fullDay()
{
    DaySchedule day;
    for (int minute = 0; minute < DayImage::kSlots; ++minute) {
        ScheduleEntry e;
        e.Time = storedTime(minute / 60, minute % 60);
        e.MelodyVoice = minute % 2 ? "Melody" : "Voice";
        e.Selection = std::to_string(minute % 16);
        e.AC = minute % 3 ? "ON" : "OFF";
        e.CH1 = e.CH3 = "1";
        e.CH2 = e.CH4 = "0";
        day.append(e);
    }
    return day;
}

void EncodeDecodeFullDay(benchmark::State &state)
{
    const DaySchedule day = fullDay();
    DayImage image;
    for (auto _ : state) {
        image.Encode(day);
        DaySchedule back = image.Decode();
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(EncodeDecodeFullDay)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
