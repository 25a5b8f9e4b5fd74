// Undo and redo through the real item model and table view: a 1440-row Paste and an Auto Set
// over a full day should each take back and redo within one frame (16 ms). The history's
// memory after 100 steps over a full week is measured as the growth of the allocator's bytes
// in use (mallinfo2's uordblks) from before the first step to after the last.
#include "bench/FullDay.h"
#include "document/ListColumns.h"
#include "schedule/Weekday.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/WeekSetUp.h"
#include "view/AutoSetupForm.h"
#include "view/gui/CTavrinView.h"
#include "view/ScheduleList.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <QApplication>

namespace {

struct Window {
    RecordingMessages messages;
    CTavrinDoc doc;
    CTavrinView view{doc, messages};

    explicit Window(int fullDays)
    {
        setUpWeek(doc, [fullDays](WeeklySchedule &week) {
            for (int d = 1; d <= fullDays; ++d)
                fillFullDay(week, d);
        });
        view.resize(1200, 800);
        view.show();
        view.reloadShownDay();
        QApplication::processEvents();
    }
};

// Times undo (or redo) of the step the window has just made, the other half untimed.
void undoAndRedo(benchmark::State &state, Window &w, bool timeUndo)
{
    for (auto _ : state) {
        if (!timeUndo)
            state.PauseTiming();
        w.view.undo();
        QApplication::processEvents();
        if (timeUndo)
            state.PauseTiming();
        else
            state.ResumeTiming();
        w.view.redo();
        QApplication::processEvents();
        if (timeUndo)
            state.ResumeTiming();
    }
}

void pasteFullDay(Window &w)
{
    w.view.editSelectAll();
    w.view.editCopy();
    w.view.ShowDay(kSunday);
    w.view.editPaste();
    QApplication::processEvents();
    if (w.doc.history().count() != 1 || w.view.shownRowCount() != 1440)
        qFatal("the Paste made no step: %s", qPrintable(w.messages.shown.join(QLatin1Char(' '))));
}

void autoSetFullDay(Window &w)
{
    w.view.changeWeekThrough(QStringLiteral("Auto Set"), true, [&w](WeeklySchedule &week) {
        AutoSetupForm form;
        form.dayIndex = autoSetupPositionForDay(kSunday);
        form.startText = "00:00";
        form.endText = "24:00";
        form.intervalText = "1";
        form.melodyVoiceIndex = AutoSetupLists::kMelody;
        return acceptAutoSetup(form, week, w.messages);
    });
    QApplication::processEvents();
}

void BM_UndoPaste1440(benchmark::State &state)
{
    Window w(1);
    pasteFullDay(w);
    undoAndRedo(state, w, true);
}

void BM_RedoPaste1440(benchmark::State &state)
{
    Window w(1);
    pasteFullDay(w);
    undoAndRedo(state, w, false);
}

void BM_UndoAutoSetFullDay(benchmark::State &state)
{
    Window w(0);
    autoSetFullDay(w);
    undoAndRedo(state, w, true);
}

void BM_RedoAutoSetFullDay(benchmark::State &state)
{
    Window w(0);
    autoSetFullDay(w);
    undoAndRedo(state, w, false);
}

void BM_HistoryOf100StepsOnAFullWeek(benchmark::State &state)
{
    for (auto _ : state) {
        Window w(7);
        ScheduleList &list = w.view.editing();
        const size_t heapBefore = mallinfo2().uordblks;
        for (int i = 0; i < 100; ++i) {
            list.ShowDay(1 + i % 7);
            w.view.selectRow((i * 37) % 1400);
            switch (i % 4) {
            case 0:
                w.view.setCurrentIndex(w.view.model()->index((i * 37) % 1400, kColumnAc));
                list.toggleCurrentCell();
                break;
            case 1:
                list.deleteRows();
                break;
            case 2:
                list.insertRow();
                break;
            case 3:
                list.cutRows();
                list.ShowDay(1 + (i + 3) % 7);
                list.pasteRows();
                break;
            }
        }
        QApplication::processEvents();
        const size_t heapAfter = mallinfo2().uordblks;
        const QUndoStack &history = w.doc.history();
        state.counters["steps"] = double(history.count());
        state.counters["held_entries"] = double(w.doc.heldEntries());
        state.counters["heap_growth_KiB"] = double(heapAfter - heapBefore) / 1024.0;
        state.counters["KiB_per_step"] = double(heapAfter - heapBefore) / 1024.0 / double(history.count());
        // What one step would cost if it kept a whole full day instead.
        const size_t beforeCopy = mallinfo2().uordblks;
        auto copy = std::make_unique<DaySchedule>();
        copy->copyFrom(w.view.schedule().day(1));
        state.counters["whole_day_KiB"] = double(mallinfo2().uordblks - beforeCopy) / 1024.0;
    }
}

} // namespace

BENCHMARK(BM_UndoPaste1440)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoPaste1440)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoAutoSetFullDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoAutoSetFullDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryOf100StepsOnAFullWeek)->Unit(benchmark::kMillisecond)->Iterations(1);

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
