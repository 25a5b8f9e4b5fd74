// A weekly Download and a weekly Upload through the real dialogs, against the simulator at
// the line's own pace (tavrin-sim --realtime). Each weekday costs about 6 s on the line plus
// the wait for the next 1 s reply-watch tick, so a week should take close to 49 s each way.
// The simulator paces both directions: a Download frame reaches its emulator over 6.0 s, as
// on a real line, although the pseudo-terminal takes it from the program at once.
//
//     build/bin/bench_transfer_realtime            (about a minute and three quarters; needs build/bin/tavrin-sim)
//     TAVRIN_SIM=/path/to/tavrin-sim build/bin/bench_transfer_realtime

#include "device/gui/CDownloadDlg.h"
#include "device/gui/CUploadDlg.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

QString simPath()
{
    const QString given = qEnvironmentVariable("TAVRIN_SIM");
    return given.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/tavrin-sim") : given;
}

// Starts the simulator and returns the pty it serves, or an empty name.
QString startSimulator(QProcess &sim, const QStringList &extra)
{
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(simPath(), QStringList{QStringLiteral("--realtime")} + extra);
    if (!sim.waitForStarted(5000))
        return {};
    QElapsedTimer t;
    t.start();
    while (!sim.canReadLine() && t.elapsed() < 5000)
        sim.waitForReadyRead(200);
    const QString line = QString::fromUtf8(sim.readLine()).trimmed();
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("device on (\\S+)")).match(line);
    return m.hasMatch() ? m.captured(1) : QString();
}

void stopSimulator(QProcess &sim)
{
    sim.terminate();
    if (!sim.waitForFinished(3000))
        sim.kill();
}

// Runs the event loop until a message box with `text` shows over `window`; the seconds it
// took, or a negative number after `limitMs`.
double waitForMessage(QWidget *window, const QString &text, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    bool seen = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        for (QMessageBox *box : window->findChildren<QMessageBox *>()) {
            if (box->isVisible() && box->text() == text) {
                seen = true;
                box->button(QMessageBox::Ok)->click();
            }
        }
        if (seen || clock.elapsed() > limitMs)
            loop.quit();
    });
    poll.start(5);
    loop.exec();
    return seen ? double(clock.nsecsElapsed()) / 1e9 : -1.0;
}

void fillWeek(WeeklySchedule &week)
{
    for (int day = 1; day <= 7; ++day) {
        for (int hour = 6; hour < 22; ++hour) {
            ScheduleEntry e;
            e.Time = storedTime(hour, day * 3);
            e.MelodyVoice = hour % 2 ? "Melody" : "Voice";
            e.Selection = std::to_string(hour % 16);
            e.AC = "ON";
            e.CH1 = "1";
            e.CH2 = e.CH3 = e.CH4 = "0";
            week.day(day).append(e);
        }
    }
}

template <class Dialog>
void runWeekly(benchmark::State &state, WeeklySchedule &week, const QString &doneText,
               const QStringList &simOptions = {})
{
    for (auto _ : state) {
        QProcess sim;
        const QString port = startSimulator(sim, simOptions);
        if (port.isEmpty()) {
            state.SkipWithError("tavrin-sim did not start");
            return;
        }
        double seconds = -1;
        {
            Dialog dlg(nullptr, week, port);
            dlg.open();
            if (!dlg.isPortOpen()) {
                stopSimulator(sim);
                state.SkipWithError("port did not open");
                return;
            }
            dlg.box(8)->setChecked(true);
            dlg.session().boxClicked(8, true);
            dlg.actionButton()->click();
            seconds = waitForMessage(&dlg, doneText, 120000);
        }
        stopSimulator(sim);
        if (seconds < 0) {
            state.SkipWithError("the transfer did not complete");
            return;
        }
        state.SetIterationTime(seconds);
        state.counters["seconds"] = seconds;
        state.counters["vs_49s_pct"] = (seconds / 49.0 - 1.0) * 100.0;
    }
}

void WeeklyDownloadRealtime(benchmark::State &state)
{
    WeeklySchedule week;
    fillWeek(week);
    runWeekly<CDownloadDlg>(state, week, QStringLiteral("Downloading complete"));
}

void WeeklyUploadRealtime(benchmark::State &state)
{
    WeeklySchedule week;
    runWeekly<CUploadDlg>(state, week, QStringLiteral("Uploading complete"));
}

} // namespace

BENCHMARK(WeeklyDownloadRealtime)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(WeeklyUploadRealtime)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
