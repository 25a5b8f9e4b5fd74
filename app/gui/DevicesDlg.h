#pragma once

#include "device/ProtocolTimings.h"
#include "device/WeekComparison.h"
#include "plan/SiteFile.h"

#include <QDialog>
#include <QHash>

#include <memory>
#include <vector>

class DeviceSyncRun;
class PlannedWeek;
class QCheckBox;
class QPushButton;
class QTableWidget;
struct TransferOutcome;

// Tavrin > Devices...: every device of the site, one row each, with what the journal tells of
// it; Add, Edit and Remove write the site file at once. Bring Up to Date sends each chosen
// device (the selected rows, or all when none is selected) the weekdays its own schedule
// file's week ahead needs, all devices at once, each on its own port, with a progress and an
// outcome per row; Cancel stops them all.
class DevicesDlg : public QDialog {
    Q_OBJECT
public:
    enum Column { Name, Port, Schedule, LastContact, LastOutcome, ClockOffset, Tomorrow, Run, ColumnCount };

    DevicesDlg(QWidget *parent, const QString &sitePath, const ProtocolTimings &timings = {});
    ~DevicesDlg() override;

    QTableWidget *table() const { return m_table; }
    bool isRunning() const { return !m_runs.isEmpty(); }

    void addDevice();
    void editDevice();
    void removeDevices();
    void bringUpToDate();
    // Sets each chosen device's clock to this computer's time (a frame each: no need to wait).
    void setClocks();
    // Reads every weekday of each chosen device, all at once, and says per row whether it holds
    // what its schedule file's weekdays make: the same, or in how many minutes each differs.
    void compare();
    // Asks the main window to open the selected device's schedule file.
    void openSchedule();
    void cancelRuns();

    // The device dialog's fields, for Add and Edit: false keeps the site as it was.
    // (Tests answer it through this hook instead of a window.)
    using DeviceEditor = std::function<bool(SiteDevice &device)>;
    void setDeviceEditor(DeviceEditor editor) { m_editor = std::move(editor); }

    void reject() override;

signals:
    void openScheduleRequested(const QString &path);

private:
    void reload();
    void showRow(int row);
    bool editInto(SiteDevice &device);
    bool store(const std::vector<SiteDevice> &devices, const QString &changed);
    std::vector<int> chosenRows() const;
    // The chosen rows whose device the site file accepts.
    std::vector<int> acceptedRows() const;
    void setRunText(int row, const QString &text);
    void sendNeeded(int row, const PlannedWeek &plan);
    // Starts `run` for the row's device: a reading when `days` is empty, else their Download.
    void startRun(int row, DeviceSyncRun *run, const std::vector<int> &days);
    void runFinished(const QString &name, const TransferOutcome &outcome, const QString &warning);
    void updateButtons();

    QString m_sitePath;
    ProtocolTimings m_timings;
    std::vector<SiteDevice> m_devices; // as the file names them
    QTableWidget *m_table = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_bring = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_clock = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_compare = nullptr;
    QCheckBox *m_checkDevice = nullptr;
    QHash<QString, DeviceSyncRun *> m_runs; // by device name
    QHash<QString, std::shared_ptr<const PlannedWeek>> m_plans; // read back before the send, by device name
    QHash<QString, WeekImages> m_fileImages; // a Compare's side of the file, by device name
    QHash<QString, QString> m_runTexts; // the Run column's last word, by device name
    DeviceEditor m_editor;
};
