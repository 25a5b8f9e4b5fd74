// The command handlers of the main window.
#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "app/gui/CAboutDlg.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/CTavrinDoc.h"
#include "app/gui/SerialPortDlg.h"
#include "app/Settings.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/CTimeSettingDlg.h"
#include "device/gui/CUploadDlg.h"
#include "device/gui/DeviceHistoryDlg.h"
#include "device/PortName.h"
#include "device/TransferRecorder.h"
#include "device/UnsentEntries.h"
#include "schedule/Messages.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/PrinterSetup.h"
#include "ui/gui/SchedulePrinter.h"
#include "view/gui/CTavrinView.h"

#include <QAction>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

#include <memory>

// The device sits on port 1 unless the operator named another one.
QString CMainFrame::portName() const
{
    return effectivePortName(1, m_settings.serialPort(), m_portOverride);
}

bool CMainFrame::saveModified()
{
    if (!m_doc->isModified())
        return true;
    const QString text = tr("Save changes to %1?").arg(m_doc->title());
    switch (m_messages.askSaveChanges(text, QStringLiteral("Tavrin"))) {
    case Messages::Answer::Save:
        return onFileSave();
    case Messages::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void CMainFrame::fileCommandDone()
{
    m_view->reloadShownDay();
    m_doc->setTitle(m_scheduleFiles->title());
    m_view->changes().setClean();
    m_doc->setModifiedFlag(false);
}

void CMainFrame::documentReplaced()
{
    m_view->changes().clear();
    fileCommandDone();
}

void CMainFrame::initialUpdate()
{
    // A missing or broken template has been reported; the program goes on with an empty week.
    if (m_scheduleFiles->New())
        documentReplaced();
    else
        m_view->reloadShownDay();
}

void CMainFrame::openFile(const QString &path)
{
    if (path.isEmpty() || !m_scheduleFiles->Open(path))
        return;
    m_settings.addRecentFile(m_scheduleFiles->location().path());
    documentReplaced();
}

void CMainFrame::onFileNew()
{
    if (!saveModified())
        return;
    if (m_scheduleFiles->New())
        documentReplaced();
}

void CMainFrame::onFileOpen()
{
    if (!saveModified())
        return;
    const QStringList paths = m_chooser.chooseFilesToOpen();
    if (paths.isEmpty() || !m_scheduleFiles->Open(paths))
        return;
    m_settings.addRecentFile(m_scheduleFiles->location().path());
    documentReplaced();
}

bool CMainFrame::onFileSave()
{
    const QString path = m_chooser.chooseFileToSave();
    if (path.isEmpty())
        return false;
    m_view->StoreList();
    if (!m_scheduleFiles->Save(path))
        return false;
    m_settings.addRecentFile(m_scheduleFiles->location().path());
    fileCommandDone();
    return true;
}

void CMainFrame::onFilePrint()
{
    // The report is made of the rows exactly as the list shows them.
    printSchedule(this, reportRowsFromTexts(m_view->shownRows()), m_view->schedule().dayTitle(m_view->shownDay()),
                  localReportTime, &m_messages, printer());
}

QPrinter *CMainFrame::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

// The printer, as the command's prompt promises, and with it the paper and orientation.
void CMainFrame::onFilePrintSetup()
{
    choosePrinter(this, *printer());
}

void CMainFrame::onAppExit()
{
    close();
}

void CMainFrame::onEditCommand(int id)
{
    switch (id) {
    case Cmd::EditCut:
        m_view->editCut();
        break;
    case Cmd::EditCopy:
        m_view->editCopy();
        break;
    case Cmd::EditPaste:
        m_view->editPaste();
        break;
    case Cmd::EditSelectAll:
        m_view->editSelectAll();
        break;
    case Cmd::EditInsert:
        m_view->editInsert();
        break;
    case Cmd::EditModify:
        m_view->editModify();
        break;
    case Cmd::EditDelete:
        m_view->editDelete();
        break;
    default:
        break;
    }
}

// The view stores the list, runs Auto Setup and rebuilds the list on OK (and reports the change).
void CMainFrame::onAutoSet()
{
    m_view->autoSet();
}

void CMainFrame::onTimeSetting()
{
    CTimeSettingDlg dialog(this, portName());
    connect(&dialog, &CTimeSettingDlg::journalWarning, this,
            [this](const QString &line) { statusBar()->showMessage(line); });
    dialog.exec();
}

// The device gets what the list shows: the list is stored into the week first.
void CMainFrame::onDownload()
{
    m_view->StoreList();
    // Before anything is sent: the entries the device's images cannot carry.
    QStringList unsent;
    for (const UnsentWeekdayEntry &u : weekEntriesNotEncoded(m_view->schedule()))
        unsent << QString::fromStdString(describeUnsent(u));
    if (!unsent.isEmpty()) {
        m_messages.show(tr("The device will not get these entries:\n") + unsent.join(QLatin1Char('\n')), tr("Download"),
                        Messages::Icon::Warning);
    }
    // A copy, so a weekday whose date plays a day program can be sent as planned instead.
    auto sending = std::make_unique<WeeklySchedule>();
    sending->copyFrom(m_view->schedule());
    CDownloadDlg dialog(this, *sending, portName());
    dialog.setScheduleFile(m_scheduleFiles->location().isEmpty() ? QString() : m_scheduleFiles->location().path());
    dialog.setBeforeSend([&](const std::vector<int> &days) { return offerPlannedDays(days, *sending, dialog); });
    connect(&dialog, &TransferDialog::journalWarning, this,
            [this](const QString &line) { statusBar()->showMessage(line); });
    dialog.exec();
}

// Each weekday received replaces that day of the week. The list is stored first, so edits of
// the shown day survive when that day is not among those received.
// All the weekdays that came back are one step; an Upload that ends in "Communication error"
// also closes with OK, and one that brought nothing different leaves no step.
void CMainFrame::onUpload()
{
    // Cancel too may come after weekdays were stored, each made the shown day: the list must
    // show what the week now holds, or the next store point writes it into the wrong day.
    m_view->changeWeekThrough(tr("Upload"), false, [this] {
        const auto before = std::make_unique<WeeklySchedule>();
        before->copyFrom(m_view->schedule());
        WeekImages read;
        {
            CUploadDlg dialog(this, m_view->schedule(), portName());
            dialog.setScheduleFile(m_scheduleFiles->location().isEmpty() ? QString()
                                                                         : m_scheduleFiles->location().path());
            dialog.session().keepImages(&read);
            connect(&dialog, &TransferDialog::journalWarning, this,
                    [this](const QString &line) { statusBar()->showMessage(line); });
            dialog.exec();
        }
        placeDayProgramsRead(*before, read, tr("Upload"));
        return true;
    });
}

void CMainFrame::onSerialPort()
{
    SerialPortDlg dialog(m_settings.serialPort(), this, portName());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.setSerialPort(dialog.portName());
    m_settings.sync();
}

void CMainFrame::onDeviceHistory()
{
    DeviceHistoryDlg dialog(this, defaultJournalPath(), portName());
    connect(&dialog, &DeviceHistoryDlg::journalWarning, this,
            [this](const QString &line) { statusBar()->showMessage(line); });
    dialog.exec();
}

void CMainFrame::onShowDay(int day)
{
    m_view->ShowDay(day);
}

void CMainFrame::onToggleToolBar()
{
    const bool show = m_toolBar->isHidden();
    m_toolBar->setVisible(show);
    m_actions.value(Cmd::ViewToolbar)->setChecked(show);
}

void CMainFrame::onToggleStatusBar()
{
    const bool show = statusBar()->isHidden();
    statusBar()->setVisible(show);
    m_actions.value(Cmd::ViewStatusBar)->setChecked(show);
}

void CMainFrame::onAppAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}
