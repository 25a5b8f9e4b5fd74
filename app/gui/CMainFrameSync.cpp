// What the device needs for the week ahead: Bring Device Up to Date, and the status bar's word
// on whether the device is ready for tomorrow. The plan follows every change of the schedule;
// what the device holds is read from the journal only when a transfer may have changed it.
#include "app/gui/CMainFrame.h"
#include "device/gui/CDownloadDlg.h"
#include "device/TransferRecorder.h"
#include "document/CTavrinDoc.h"
#include "journal/TransferJournal.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "plan/PortHistory.h"
#include "plan/SiteDeviceState.h"
#include "plan/SyncDecision.h"
#include "schedule/Messages.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"
#include "view/gui/CTavrinView.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include <memory>

namespace {

// "Wednesday", or "Wednesday: Exam day" when the calendar gives the date a program.
QString plannedDayLabel(const PlannedDay &day)
{
    const QString weekday = QLocale().dayName(day.planned.weekday, QLocale::LongFormat);
    return day.planned.isRegular() ? weekday : QStringLiteral("%1: %2").arg(weekday, day.title);
}

} // namespace

void CMainFrame::createDeviceStatus()
{
    m_deviceStatus = new QLabel(statusBar());
    m_deviceStatus->setObjectName(QStringLiteral("deviceStatus"));
    statusBar()->insertPermanentWidget(0, m_deviceStatus);
    connect(m_doc, &CTavrinDoc::historyChanged, this, [this] { updateDeviceStatus(); });
    // Tomorrow moves at midnight; the journal may have been written by tavrin-cli meanwhile.
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { readDeviceHoldings(); });
    timer->start(5 * 60 * 1000);
    readDeviceHoldings();
}

QDate CMainFrame::today() const
{
    return m_today ? m_today() : QDate::currentDate();
}

void CMainFrame::setPortOverride(const QString &port)
{
    m_portOverride = port;
    readDeviceHoldings();
}

void CMainFrame::readDeviceHoldings()
{
    TransferJournal journal(defaultJournalPath());
    const PortHistory history = readPortHistory(journal, portName());
    m_deviceHoldings = std::make_unique<DeviceHoldings>(DeviceHoldings::fromJournal(history.entries));
    // A failed unattended run (tavrin-cli under systemd) is said here too, not only in its log.
    m_lastFailure = siteDeviceState(history.entries, nullptr).lastFailed() ? history.entries.front().when : QDateTime();
    updateDeviceStatus();
}

void CMainFrame::updateDeviceStatus()
{
    if (!m_deviceStatus || !m_deviceHoldings)
        return;
    const PlannedWeek plan(m_doc->week(), today());
    updateBellsStatus(plan);
    const PlannedDay &tomorrow = plan.day(plan.start().addDays(1).dayOfWeek());
    // "Wednesday", or "Wednesday: Exam day" when the calendar gives the date a program
    const QString day = plannedDayLabel(tomorrow);
    // an empty pane is not left for a screen reader to find
    m_deviceStatus->setVisible(tomorrowState(plan, *m_deviceHoldings) != TomorrowState::UpToDate);
    switch (tomorrowState(plan, *m_deviceHoldings)) {
    case TomorrowState::UpToDate:
        m_deviceStatus->clear();
        m_deviceStatus->setToolTip(QString());
        break;
    case TomorrowState::NotUpToDate:
        m_deviceStatus->setText(tr("Device not up to date for tomorrow (%1)").arg(day));
        m_deviceStatus->setToolTip(tr("Tavrin > Bring Device Up to Date sends what the week ahead plays"));
        break;
    case TomorrowState::Unknown:
        m_deviceStatus->setText(tr("Device may not be up to date for tomorrow (%1)").arg(day));
        m_deviceStatus->setToolTip(
            tr("The journal holds no completed send of tomorrow's weekday to %1").arg(portName()));
        break;
    }
    if (m_lastFailure.isValid()) {
        m_deviceStatus->setText(tr("The last exchange with the device failed (%1)")
                                    .arg(QLocale().toString(m_lastFailure, QLocale::ShortFormat)));
        m_deviceStatus->setToolTip(tr("Tavrin > Device History tells what happened"));
    }
}

QString CMainFrame::deviceStatusText() const
{
    return m_deviceStatus ? m_deviceStatus->text() : QString();
}

void CMainFrame::onBringDeviceUpToDate()
{
    m_view->StoreList();
    readDeviceHoldings();
    const PlannedWeek plan(m_doc->week(), today());
    const std::vector<int> days = weekdaysToSend(plan, *m_deviceHoldings);
    if (days.empty()) {
        m_messages.show(tr("The device holds what the coming seven days play: there is nothing to send."),
                        tr("Bring Device Up to Date"), Messages::Icon::Information);
        return;
    }
    sendPlannedWeekdays(plan, days, tr("Bring Device Up to Date"), false);
}

void CMainFrame::sendPlannedWeekdays(const PlannedWeek &plan, const std::vector<int> &days, const QString &caption,
                                     bool atOnce)
{
    // The week ahead, not the regular one: each weekday plays its date's schedule.
    auto planned = std::make_unique<WeeklySchedule>();
    plan.fillWeekdays(m_doc->week(), *planned);
    CDownloadDlg dialog(this, *planned, portName(), m_protocolTimings);
    dialog.setWindowTitle(caption);
    // Each weekday sent names the schedule it carries, in the boxes and in the journal.
    dialog.setCarriedSchedules(plan.carried());
    for (int day : days) {
        if (!plan.day(day).planned.isRegular())
            dialog.box(day)->setText(plannedDayLabel(plan.day(day)));
    }
    dialog.setScheduleFile(m_doc->location().isEmpty() ? QString() : m_doc->location().path());
    connect(&dialog, &TransferDialog::journalWarning, this,
            [this](const QString &line) { statusBar()->showMessage(line); });
    dialog.preselect(days);
    if (atOnce)
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.actionButton()->click(); });
    takeKeyboardBackAfter(dialog);
    dialog.exec();
}
