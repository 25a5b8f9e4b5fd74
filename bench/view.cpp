// The schedule list on a full day (1440 entries) through the real item model and table view:
// each operation should fit in one frame (16 ms).
#include "bench/FullDay.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/WeekSetUp.h"
#include "view/gui/CTavrinView.h"
#include "view/gui/ScheduleItemModel.h"
#include "view/ScheduleList.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace {

struct FullView {
    RecordingMessages messages;
    CTavrinDoc doc;
    CTavrinView view{doc, messages};

    FullView()
    {
        setUpWeek(doc, [](WeeklySchedule &week) {
            fillFullDay(week, 1);
            fillFullDay(week, 2);
        });
        view.resize(1200, 800);
        view.show();
        view.reloadShownDay();
        QApplication::processEvents();
    }
};

void BM_FillList(benchmark::State &state)
{
    // Two full days shown in turn: each time the list is rebuilt for 1440 rows.
    FullView f;
    int day = 1;
    for (auto _ : state) {
        day = 3 - day;
        f.doc.showDay(day);
        QApplication::processEvents();
    }
}

void BM_StoreList(benchmark::State &state)
{
    FullView f;
    for (auto _ : state)
        f.view.StoreList();
}

void BM_NormalizeDay(benchmark::State &state)
{
    FullView f;
    for (auto _ : state) {
        f.view.NormalizeDay();
        QApplication::processEvents();
    }
}

void BM_WeekdaySwitch(benchmark::State &state)
{
    FullView f;
    int day = 1;
    for (auto _ : state) {
        day = day == 1 ? 2 : 1;
        f.view.ShowDay(day);
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_FillList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NormalizeDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeekdaySwitch)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
