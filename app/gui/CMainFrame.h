#pragma once

#include "device/ProtocolTimings.h"
#include "device/WeekComparison.h"

#include <functional>
#include <memory>
#include <optional>
#include <QDateTime>
#include <QHash>
#include <QMainWindow>

class CTavrinDoc;
class DeviceHoldings;
class QDate;
class DayProgramChooser;
class CTavrinView;
class FileChooser;
struct FileDialogStart;
struct FileOutcome;
class LockKeys;
class Messages;
class QAction;
class QActionGroup;
class QDialog;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;
class ScheduleFiles;
class Settings;
class TransferDialog;
class WeeklySchedule;
class PlannedWeek;
struct SyncTimer;

// The main window: menus, toolbar and status bar built from the command table, every command
// routed through dispatch() to its one handler.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(Settings &settings, Messages &messages, FileChooser &files, QWidget *parent = nullptr);
    ~CMainFrame() override;

    CTavrinDoc *document() const { return m_doc; }
    CTavrinView *view() const { return m_view; }
    QToolBar *toolBar() const { return m_toolBar; }
    QAction *commandAction(int id) const { return m_actions.value(id); }

    // The port given on the command line wins over the chosen one for this run; the status bar
    // reads that port's journal from then on.
    void setPortOverride(const QString &port);
    // The port the device dialogs open: --port, else the chosen one, else the platform's first.
    QString portName() const;
    // The waits of the device dialogs: the device's pace unless a test runs them faster.
    void setProtocolTimings(const ProtocolTimings &timings) { m_protocolTimings = timings; }

    // Runs the handler of a command; unknown numbers do nothing.
    void dispatch(int id);
    bool hasHandler(int id) const { return m_handlers.contains(id); }
    // Replaces a command's handler (tests watch the routing with this).
    void setHandler(int id, std::function<void()> handler) { m_handlers.insert(id, std::move(handler)); }

    // Start-up: the view takes the template schedule as New does.
    void initialUpdate();
    // Opens one file as the Open command does (the command line uses it).
    void openFile(const QString &path);

    // The printer Print Setup sets up and Print prints on.
    QPrinter *printer();
    // File > Open Recent, the last four schedule files.
    QMenu *recentFilesMenu() const { return m_recentMenu; }

    // The date the week ahead starts from (tests set their own).
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }
    // The status bar's word on tomorrow; empty when the device is ready for it.
    QString deviceStatusText() const;
    // The status bar's word on Bells Off: "Bells off until DATE", or the weekday still silent
    // on the device; empty otherwise.
    QString bellsStatusText() const;
    // Whether the evening sync runs, and enabling it (tests give their own).
    void setSyncTimer(const SyncTimer &timer);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    // Weekly > Special Days and the toolbar's drop-down of day programs.
    void createProgramCalendarMenu();
    void createToolBar();
    void createStatusBar();
    void createDeviceStatus();
    QDate today() const;
    // What the device holds, from the journal of the port; then the status follows.
    void readDeviceHoldings();
    void updateDeviceStatus();
    // Weekdays read from the device (`read`, into the schedule) that hold a day program: the
    // operator says where each goes; `before` is the week as it was before the reading.
    void placeDayProgramsRead(WeeklySchedule &week, const WeeklySchedule &before, const WeekImages &read,
                              const QString &caption);
    // Before a Download sends `days` of `sending`: the weekdays whose date in the week ahead
    // plays a day program are named, and their planned days offered instead. False: not sent.
    bool offerPlannedDays(const std::vector<int> &days, WeeklySchedule &sending, TransferDialog &dialog);
    void createRecentFilesMenu();
    void fillRecentFilesMenu();
    // A file that is gone is dropped from the list with a message; Open reports other failures.
    void openRecentFile(const QString &path);
    // Where Open and Save start: the open file's folder and name (fileDialogStart).
    FileDialogStart fileDialogStartHere() const;
    // When a device dialog closes, the main window is made active again with the list focused.
    void takeKeyboardBackAfter(QDialog &dialog);
    void registerHandlers();
    void updateLockIndicators();
    void followShownDay(int day);
    // Tells the operator what a file command's outcome has to tell; whether it succeeded.
    bool told(const FileOutcome &outcome);
    // New or Open through the file commands, told; true when the schedule was replaced.
    bool loaded(const FileOutcome &outcome);
    // Save into path, asking what the Save refuses to do unasked; true when it was saved.
    bool saveTo(const QString &path);

    // Asks to save unsaved changes; false when the operator cancels (or the Save is cancelled).
    bool saveModified();
    // Saves that were cut short in folder, whose schedule file is not there: offers
    // each until the operator opens one.
    void offerUnfinishedSaves(const QString &folder);

    // handlers
    void onFileNew();
    void onFileOpen();
    bool onFileSave();
    void onFilePrint();
    void onFilePrintSetup();
    void onFilePrintPreview();
    void onFilePrintWeek(); // CMainFrameWeekPrint.cpp
    void onFileExportPdf();
    void onAppExit();
    void onEditCommand(int id);
    void onAutoSet();
    void onTimeSetting();
    void onDownload();
    void onUpload();
    void onCompareWithDevice();
    void onBringDeviceUpToDate();
    // Sends these weekdays of the week ahead, each as its date plays it; atOnce starts the send
    // without waiting for the operator's Send.
    void sendPlannedWeekdays(const PlannedWeek &plan, const std::vector<int> &days, const QString &caption,
                             bool atOnce);
    // CMainFrameBells.cpp
    void registerBellsHandlers();
    void onBellsOff(const QDate &until);
    void onBellsOffUntil();
    void onBellsBackOn();
    void updateBellsStatus(const PlannedWeek &plan);
    void onImportHolidays(); // CMainFrameHolidays.cpp
    void onSerialPort();
    void onDeviceHistory();
    void onDevices();
    void onCalendar();
    void onSounds();
    void onShowDay(int day);
    void onNewProgram();
    void onRenameProgram();
    void onDeleteProgram();
    // A name for a program, asked until checkProgramName takes it; nullopt when cancelled.
    std::optional<QString> askProgramName(const QString &title, const QString &label, const QString &initial,
                                          int renamedDay);
    void onToggleToolBar();
    void onToggleStatusBar();
    void onAppAbout();

    Settings &m_settings;
    Messages &m_messages;
    FileChooser &m_chooser;
    CTavrinDoc *m_doc;
    CTavrinView *m_view;
    QString m_portOverride;
    ProtocolTimings m_protocolTimings;

    QHash<int, QAction *> m_actions;
    QHash<int, std::function<void()>> m_handlers;
    QActionGroup *m_weekdays = nullptr;
    DayProgramChooser *m_programs = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_recentMenu = nullptr;
    QLabel *m_lockPanes[3] = {};
    QLabel *m_deviceStatus = nullptr;
    QLabel *m_bellsStatus = nullptr;
    std::unique_ptr<SyncTimer> m_syncTimer;
    std::unique_ptr<DeviceHoldings> m_deviceHoldings;
    QDateTime m_lastFailure; // when the port's newest journalled exchange failed; invalid when it did not
    std::function<QDate()> m_today;
    std::unique_ptr<LockKeys> m_lockKeys;
    std::unique_ptr<QPrinter> m_printer;
    bool m_closing = false;
};
