#include "ScreenshotTour.h"

#include "app/gui/CAboutDlg.h"
#include "app/gui/CMainFrame.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/CTimeSettingDlg.h"
#include "device/gui/CUploadDlg.h"
#include "document/CTavrinDoc.h"
#include "ui/ReportPainter.h"
#include "view/gui/CAutoSetupDlg.h"
#include "view/gui/CTavrinView.h"
#include "view/gui/SoundsDlg.h"
#include "view/WeekReport.h"

#include <cstdio>
#include <memory>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

namespace {

void settle(int ms = 300)
{
    QApplication::processEvents();
    QTimer wait;
    wait.setSingleShot(true);
    wait.start(ms);
    while (wait.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

} // namespace

ScreenshotTour::ScreenshotTour(CMainFrame &frame, Messages &messages, const QString &folder)
    : QObject(&frame)
    , m_frame(frame)
    , m_messages(messages)
    , m_folder(folder)
{
}

void ScreenshotTour::start()
{
    QTimer::singleShot(500, this, &ScreenshotTour::run);
}

bool ScreenshotTour::save(QWidget *widget, const QString &name)
{
    widget->show();
    widget->raise();
    settle();
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    const bool ok = widget->grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    if (!ok)
        ++m_failures;
    return ok;
}

void ScreenshotTour::fillMonday()
{
    struct Event {
        const char *time, *kind, *selection, *ac, *ch1, *ch2, *ch3, *ch4;
    };
    const Event events[] = {
        {"07:00", "Melody", "1", "ON", "1", "1", "1", "1"},   {"07:30", "Voice", "2", "", "1", "0", "0", "0"},
        {"08:00", "Melody", "3", "", "1", "1", "0", "0"},     {"08:45", "Melody", "3", "", "1", "1", "0", "0"},
        {"10:15", "Voice", "5", "", "0", "0", "1", "1"},      {"12:00", "Melody", "7", "", "1", "1", "1", "1"},
        {"12:50", "Melody", "7", "", "1", "1", "1", "1"},     {"15:30", "Voice", "12", "", "0", "1", "0", "0"},
        {"17:00", "Melody", "15", "OFF", "1", "1", "1", "1"}, {"20:05", "Melody", "3", "", "1", "0", "0", "0"},
    };
    auto week = std::make_unique<WeeklySchedule>();
    week->copyFrom(m_frame.view()->schedule());
    int k = 0;
    for (const Event &e : events) {
        ScheduleEntry entry;
        entry.Time = std::string(11, ' ') + e.time;
        entry.MelodyVoice = e.kind;
        entry.Selection = e.selection;
        entry.AC = e.ac;
        entry.CH1 = e.ch1;
        entry.CH2 = e.ch2;
        entry.CH3 = e.ch3;
        entry.CH4 = e.ch4;
        week->WriteEntry(1, ++k, entry);
    }
    SoundNames names;
    names.setName(SoundKind::Melody, 1, QStringLiteral("Morning bell"));
    names.setName(SoundKind::Melody, 3, QStringLiteral("Westminster"));
    names.setName(SoundKind::Melody, 7, QStringLiteral("Lunch chime"));
    names.setName(SoundKind::Voice, 2, QStringLiteral("Assembly"));
    names.setName(SoundKind::Voice, 12, QStringLiteral("Fire drill"));
    week->setSoundNames(names);
    m_frame.view()->document().replaceWeek(*week);
}

void ScreenshotTour::run()
{
    QDir().mkpath(m_folder);
    fillMonday();
    save(&m_frame, QStringLiteral("main-window"));

    auto week = std::make_unique<WeeklySchedule>();
    week->copyFrom(m_frame.view()->schedule());
    {
        CDownloadDlg dialog(&m_frame, *week, m_frame.portName());
        save(&dialog, QStringLiteral("download"));
    }
    {
        CUploadDlg dialog(&m_frame, *week, m_frame.portName());
        save(&dialog, QStringLiteral("upload"));
    }
    {
        CTimeSettingDlg dialog(&m_frame, m_frame.portName());
        save(&dialog, QStringLiteral("time-setting"));
    }
    {
        CAutoSetupDlg dialog(*week, m_messages, &m_frame);
        save(&dialog, QStringLiteral("auto-setup"));
    }
    {
        SoundsDlg dialog(*m_frame.view(), m_messages, &m_frame);
        save(&dialog, QStringLiteral("sounds"));
    }
    {
        // The week as Export PDF writes it; tools/screenshots.sh makes a picture of its first page.
        const QString path = QDir(m_folder).filePath(QStringLiteral("week.pdf"));
        const bool ok = writeReportPdf(path, WeekReport::build(*week, WeekReportOptions()));
        std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
        m_failures += ok ? 0 : 1;
    }
    {
        CAboutDlg dialog(&m_frame);
        save(&dialog, QStringLiteral("about"));
    }
    QApplication::exit(m_failures ? 1 : 0);
}
