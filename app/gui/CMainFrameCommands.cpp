// The command handlers of the main window.
#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "app/gui/CAboutDlg.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/DevicesDlg.h"
#include "app/gui/FileOutcomeText.h"
#include "app/gui/SerialPortDlg.h"
#include "app/Settings.h"
#include "device/DownloadWarnings.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/CTimeSettingDlg.h"
#include "device/gui/CUploadDlg.h"
#include "device/gui/DeviceHistoryDlg.h"
#include "device/PortName.h"
#include "device/TransferRecorder.h"
#include "document/CTavrinDoc.h"
#include "schedule/Messages.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/UnfinishedSaves.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/PrinterSetup.h"
#include "ui/gui/SchedulePrinter.h"
#include "view/gui/CTavrinView.h"

#include <QAction>
#include <QDir>
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

bool CMainFrame::told(const FileOutcome &outcome)
{
    const QString text = fileOutcomeText(outcome);
    if (!text.isEmpty())
        m_messages.show(text, QString(), outcome ? Messages::Icon::Warning : Messages::Icon::Error);
    return bool(outcome);
}

bool CMainFrame::loaded(const FileOutcome &outcome)
{
    // The document has cleared the history and shows the new week's Monday.
    return told(outcome);
}

void CMainFrame::initialUpdate()
{
    // A missing or broken template has been reported; the program goes on with an empty week.
    if (!loaded(m_doc->newSchedule()))
        m_view->reloadShownDay();
}

void CMainFrame::openFile(const QString &path)
{
    if (path.isEmpty() || !loaded(m_doc->open(path)))
        return;
    m_settings.addRecentFile(m_doc->location().path());
}

FileDialogStart CMainFrame::fileDialogStartHere() const
{
    const QString open = m_doc->location().path();
    return fileDialogStart(open, open == m_doc->templatePath(), m_settings.recentFiles());
}

void CMainFrame::onFileNew()
{
    if (!saveModified())
        return;
    loaded(m_doc->newSchedule());
}

void CMainFrame::onFileOpen()
{
    if (!saveModified())
        return;
    // Each in turn: the last one that opens stays open; one that cannot be opened is told and
    // passed over.
    bool opened = false;
    for (const QString &path : m_chooser.chooseFilesToOpen(fileDialogStartHere()))
        opened = loaded(m_doc->open(path)) || opened;
    if (!opened)
        return;
    m_settings.addRecentFile(m_doc->location().path());
    offerUnfinishedSaves(m_doc->location().directory);
}

void CMainFrame::offerUnfinishedSaves(const QString &folder)
{
    for (const UnfinishedSaves::Leftover &leftover : UnfinishedSaves::orphaned(folder)) {
        const QString text = tr("An unfinished save of %1 was found: open it?").arg(leftover.scheduleName);
        if (m_messages.askToConfirm(text, QStringLiteral("Tavrin"), tr("Open")) != Messages::Answer::Ok)
            continue;
        // Under its temporary name, which the title shows; Save then asks where it goes.
        loaded(m_doc->open(leftover.path));
        return;
    }
}

bool CMainFrame::onFileSave()
{
    const QString path = m_chooser.chooseFileToSave(fileDialogStartHere());
    if (path.isEmpty())
        return false;
    m_view->StoreList();
    if (!saveTo(path))
        return false;
    m_settings.addRecentFile(m_doc->location().path());
    return true;
}

bool CMainFrame::saveTo(const QString &path)
{
    SaveConsent consent;
    for (;;) {
        const FileOutcome outcome = m_doc->save(path, consent);
        if (outcome.error == StoreError::HasTriggers && !consent.removeTriggers) {
            const QString text =
                tr("\"%1\" holds triggers or views (%2). A schedule file never has them, and saving "
                   "into the file would run them.\n\nRemove them and save?")
                    .arg(QDir::toNativeSeparators(path), outcome.schema.names().join(QStringLiteral(", ")));
            if (m_messages.askToConfirm(text, QStringLiteral("Tavrin"), tr("Remove them and save"))
                != Messages::Answer::Ok)
                return false;
            consent.removeTriggers = true;
        } else if (outcome.error == StoreError::RowsLeftOut && !consent.dropLeftOutRows) {
            const QString text = tr("%1 rows of the file loaded last could not be shown and will not be kept in "
                                    "\"%2\":\n%3\n\nSave anyway?")
                                     .arg(outcome.leftOut.total())
                                     .arg(QDir::toNativeSeparators(outcome.path), outcome.leftOut.describe());
            if (m_messages.askOkCancel(text) != Messages::Answer::Ok)
                return false;
            consent.dropLeftOutRows = true;
        } else {
            return told(outcome);
        }
    }
}

void CMainFrame::onFilePrint()
{
    // The report is made of the rows exactly as the list shows them.
    printSchedule(this, reportRowsFromTexts(m_view->shownRows()), m_doc->week().dayTitle(m_view->shownDay()),
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
    CTimeSettingDlg dialog(this, portName(), {}, m_protocolTimings);
    connect(&dialog, &CTimeSettingDlg::journalWarning, this,
            [this](const QString &line) { statusBar()->showMessage(line); });
    takeKeyboardBackAfter(dialog);
    dialog.exec();
}

// The device gets what the list shows: the list is stored into the week first.
void CMainFrame::onDownload()
{
    m_view->StoreList();
    // Before anything is sent: the entries the device's images cannot carry, and those that
    // share a minute and reach it as one event.
    const QStringList warnings = downloadWarningTexts(downloadWarnings(m_doc->week(), {1, 2, 3, 4, 5, 6, 7}));
    if (!warnings.isEmpty())
        m_messages.show(warnings.join(QStringLiteral("\n\n")), tr("Download"), Messages::Icon::Warning);
    // A copy, so a weekday whose date plays a day program can be sent as planned instead.
    auto sending = std::make_unique<WeeklySchedule>();
    sending->copyFrom(m_doc->week());
    CDownloadDlg dialog(this, *sending, portName(), m_protocolTimings);
    dialog.setScheduleFile(m_doc->location().isEmpty() ? QString() : m_doc->location().path());
    dialog.setBeforeSend([&](const std::vector<int> &days) { return offerPlannedDays(days, *sending, dialog); });
    connect(&dialog, &TransferDialog::journalWarning, this,
            [this](const QString &line) { statusBar()->showMessage(line); });
    takeKeyboardBackAfter(dialog);
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
    m_view->changeWeekThrough(tr("Upload"), false, [this](WeeklySchedule &week) {
        const auto before = std::make_unique<WeeklySchedule>();
        before->copyFrom(week);
        WeekImages read;
        {
            CUploadDlg dialog(this, week, portName(), m_protocolTimings);
            dialog.setScheduleFile(m_doc->location().isEmpty() ? QString() : m_doc->location().path());
            dialog.session().keepImages(&read);
            connect(&dialog, &TransferDialog::journalWarning, this,
                    [this](const QString &line) { statusBar()->showMessage(line); });
            takeKeyboardBackAfter(dialog);
            dialog.exec();
        }
        placeDayProgramsRead(week, *before, read, tr("Upload"));
        return true;
    });
}

void CMainFrame::takeKeyboardBackAfter(QDialog &dialog)
{
    // A device dialog ends with a message box over it; once both have closed, a window manager
    // may leave the focus on no window at all, and the keys (F4, Ctrl+Z) would do nothing
    // until a click. The main window takes the focus back, on the list.
    connect(&dialog, &QDialog::finished, this, [this] {
        activateWindow();
        m_view->setFocus(Qt::ActiveWindowFocusReason);
    });
}

void CMainFrame::onSerialPort()
{
    // The dialog starts from the port in use, the command line's too; the choice is kept for
    // later runs and holds for this one at once.
    SerialPortDlg dialog(m_portOverride.isEmpty() ? m_settings.serialPort() : m_portOverride, this, portName());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.setSerialPort(dialog.portName());
    m_settings.sync();
    m_portOverride.clear();
    readDeviceHoldings();
}

void CMainFrame::onDeviceHistory()
{
    DeviceHistoryDlg dialog(this, defaultJournalPath(), portName(), m_doc->week().soundNames());
    connect(&dialog, &DeviceHistoryDlg::journalWarning, this,
            [this](const QString &line) { statusBar()->showMessage(line); });
    dialog.exec();
}

void CMainFrame::onDevices()
{
    DevicesDlg dialog(this, defaultSitePath(), m_protocolTimings);
    connect(&dialog, &DevicesDlg::openScheduleRequested, this, [this, &dialog](const QString &path) {
        if (!saveModified())
            return;
        dialog.reject();
        openFile(path);
    });
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
