// The whole week on paper as a PDF: seven full days of 1,439 events, every sound named. Peak
// memory: run under /usr/bin/time -v (maximum resident set size).
#include "FullDay.h"
#include "schedule/WeeklySchedule.h"
#include "ui/ReportPainter.h"
#include "view/WeekReport.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<WeeklySchedule> fullWeek()
{
    auto week = std::make_unique<WeeklySchedule>();
    for (int d = 1; d <= 7; ++d) {
        fillFullDay(*week, d);
        week->day(d).setCount(1439);
    }
    SoundNames names;
    for (int n = 1; n <= SoundNames::kCount; ++n) {
        names.setName(SoundKind::Melody, n, QStringLiteral("Melody named at length number %1").arg(n));
        names.setName(SoundKind::Voice, n, QStringLiteral("Announcement number %1").arg(n));
    }
    week->setSoundNames(names);
    return week;
}

void WeekPdfFullWeek(benchmark::State &state)
{
    const std::unique_ptr<WeeklySchedule> week = fullWeek();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("week.pdf"));
    for (auto _ : state) {
        const ReportDocument document = WeekReport::build(*week, WeekReportOptions{});
        if (!writeReportPdf(path, document))
            state.SkipWithError("the PDF could not be written");
    }
    state.counters["pages"] = double(WeekReport::build(*week, WeekReportOptions{}).pages.size());
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(WeekPdfFullWeek)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void WeekReportBuildOnly(benchmark::State &state)
{
    const std::unique_ptr<WeeklySchedule> week = fullWeek();
    for (auto _ : state)
        benchmark::DoNotOptimize(WeekReport::build(*week, WeekReportOptions{}));
}
BENCHMARK(WeekReportBuildOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // fonts need a QGuiApplication; no window is shown
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
