// Bells Off: "No bells" from today, sent at once as today's weekday alone; Bells Back On sends
// today's regular image back. The status bar says while bells are off, and which weekday is
// still silent on the device until its regular image is back.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "document/commands/CalendarCommands.h"
#include "document/CTavrinDoc.h"
#include "plan/BellsOff.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "plan/SyncTimer.h"
#include "schedule/Messages.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/WeeklySchedule.h"
#include "view/gui/CTavrinView.h"
#include "view/ScheduleList.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QVBoxLayout>

void CMainFrame::registerBellsHandlers()
{
    m_handlers.insert(Cmd::BellsOffToday, [this] { onBellsOff(today()); });
    m_handlers.insert(Cmd::BellsOffUntil, [this] { onBellsOffUntil(); });
    m_handlers.insert(Cmd::BellsBackOn, [this] { onBellsBackOn(); });
    m_handlers.insert(Cmd::ImportHolidays, [this] { onImportHolidays(); });
}

void CMainFrame::setSyncTimer(const SyncTimer &timer)
{
    m_syncTimer = std::make_unique<SyncTimer>(timer);
}

void CMainFrame::onBellsOffUntil()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Bells Off Until"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("No bells from today until the end of this date:"), &dialog));
    auto *calendar = new QCalendarWidget(&dialog);
    calendar->setObjectName(QStringLiteral("bellsOffUntil"));
    calendar->setMinimumDate(today());
    calendar->setSelectedDate(today());
    layout->addWidget(calendar);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() == QDialog::Accepted)
        onBellsOff(calendar->selectedDate());
}

void CMainFrame::onBellsOff(const QDate &until)
{
    const QDate date = today();
    const CalendarEntry entry = bellsOffEntry(date, until);
    ProgramCalendar special = m_doc->week().programCalendar();
    special.calendar.push_back(entry);
    if (checkCalendarEntry(special, entry)) {
        m_messages.show(tr("The calendar holds at most %1 entries: delete one before Bells Off.")
                            .arg(ScheduleFileFormat::kMaxCalendarEntries),
                        tr("Bells Off"), Messages::Icon::Warning);
        return;
    }
    m_view->perform(std::make_unique<AddCalendarEntry>(*m_doc, entry, m_view->editing().place(), tr("Bells Off")));
    sendPlannedWeekdays(PlannedWeek(m_doc->week(), date), {date.dayOfWeek()}, tr("Bells Off"), true);
    readDeviceHoldings();

    // Nothing but a send puts the regular image back: the evening sync, the day after.
    if (!m_syncTimer)
        m_syncTimer = std::make_unique<SyncTimer>(userSyncTimer());
    const std::optional<bool> enabled = m_syncTimer->isEnabled ? m_syncTimer->isEnabled() : std::nullopt;
    const QString day = QLocale().dayName(date.dayOfWeek(), QLocale::LongFormat);
    if (!enabled) {
        // No systemd to ask: nothing to offer either.
        m_messages.show(tr("Whether the evening sync timer (tavrin-sync.timer) is enabled cannot be told: without it "
                           "the device stays silent every %1 until Bring Device Up to Date or Bells Back On sends its "
                           "regular image.")
                            .arg(day),
                        tr("Bells Off"), Messages::Icon::Information);
    } else if (!*enabled) {
        const QString text =
            tr("The evening sync timer (tavrin-sync.timer) is not enabled: the device stays silent every %1 until "
               "Bring Device Up to Date or Bells Back On sends its regular image. Enable the timer now?")
                .arg(day);
        if (m_messages.askOkCancel(text, tr("Bells Off")) == Messages::Answer::Ok && m_syncTimer->enable
            && !m_syncTimer->enable())
            m_messages.show(tr("The evening sync timer could not be enabled (systemctl --user enable --now "
                               "tavrin-sync.timer)."),
                            tr("Bells Off"), Messages::Icon::Warning);
    }
}

void CMainFrame::onBellsBackOn()
{
    const QDate date = today();
    const int index = bellsOffEntryToday(m_doc->week().programCalendar(), date);
    if (index < 0) {
        m_messages.show(tr("Bells are not off today."), tr("Bells Back On"), Messages::Icon::Information);
        return;
    }
    m_view->perform(
        std::make_unique<RemoveCalendarEntry>(*m_doc, index, m_view->editing().place(), tr("Bells Back On")));
    sendPlannedWeekdays(PlannedWeek(m_doc->week(), date), {date.dayOfWeek()}, tr("Bells Back On"), true);
}

void CMainFrame::updateBellsStatus(const PlannedWeek &plan)
{
    if (!m_bellsStatus) {
        m_bellsStatus = new QLabel(statusBar());
        m_bellsStatus->setObjectName(QStringLiteral("bellsStatus"));
        statusBar()->insertPermanentWidget(0, m_bellsStatus);
    }
    const ProgramCalendar &special = m_doc->week().programCalendar();
    const int off = bellsOffEntryToday(special, plan.start());

    const std::vector<int> silent = silentWeekdays(plan, *m_deviceHoldings);
    if (off >= 0) {
        const QDate last = special.calendar[size_t(off)].last;
        m_bellsStatus->setText(tr("Bells off until %1").arg(QLocale().toString(last, QLocale::ShortFormat)));
    } else if (!silent.empty()) {
        m_bellsStatus->setText(
            tr("%1 is still silent on the device").arg(QLocale().dayName(silent.front(), QLocale::LongFormat)));
    } else {
        m_bellsStatus->clear();
    }
}

QString CMainFrame::bellsStatusText() const
{
    return m_bellsStatus ? m_bellsStatus->text() : QString();
}
