#include "app/gui/DevicesDlg.h"

#include "app/gui/DeviceSyncRun.h"
#include "device/CComm.h"
#include "device/ClockSession.h"
#include "device/SerialReceiver.h"
#include "device/TransferOutcomeText.h"
#include "device/TransferRecorder.h"
#include "document/CTavrinDoc.h"
#include "journal/TransferJournal.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"
#include "plan/PortHistory.h"
#include "plan/SiteDeviceState.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

// A set-clock frame expects no answer.
class SilentReceiver : public SerialReceiver {
public:
    void serialReceived(const uint8_t *, size_t) override { }
    void serialFailed(const QString &) override { }
};

QString outcomeText(JournalOutcome outcome)
{
    switch (outcome) {
    case JournalOutcome::Completed:
        return DevicesDlg::tr("Completed");
    case JournalOutcome::Refused:
        return DevicesDlg::tr("Refused");
    case JournalOutcome::NoResponse:
        return DevicesDlg::tr("No response");
    case JournalOutcome::LineError:
        return DevicesDlg::tr("Line error");
    case JournalOutcome::Cancelled:
        return DevicesDlg::tr("Cancelled");
    case JournalOutcome::PortFailed:
        return DevicesDlg::tr("The port did not open");
    }
    return QString();
}

QString tomorrowText(TomorrowState state)
{
    switch (state) {
    case TomorrowState::UpToDate:
        return DevicesDlg::tr("up to date");
    case TomorrowState::NotUpToDate:
        return DevicesDlg::tr("not up to date");
    case TomorrowState::Unknown:
        break;
    }
    return DevicesDlg::tr("unknown");
}

QString offsetText(int seconds)
{
    if (seconds == 0)
        return DevicesDlg::tr("on time");
    return seconds > 0 ? DevicesDlg::tr("%1 s ahead").arg(seconds) : DevicesDlg::tr("%1 s behind").arg(-seconds);
}

QString refusalText(const SiteRefusal &refusal)
{
    switch (refusal.fault) {
    case SiteFault::NoPort:
        return DevicesDlg::tr("%1 has no port.").arg(refusal.device);
    case SiteFault::NoSchedule:
        return DevicesDlg::tr("%1 has no schedule file.").arg(refusal.device);
    case SiteFault::SharedPort:
        return DevicesDlg::tr("%1 and %2 are on the same port.").arg(refusal.device, refusal.other);
    }
    return QString();
}

// The schedule file's week, or nothing when it does not open.
std::unique_ptr<WeeklySchedule> loadWeek(const QString &path)
{
    CTavrinDoc doc;
    if (!doc.open(path))
        return nullptr;
    auto week = std::make_unique<WeeklySchedule>();
    week->copyFrom(doc.week());
    return week;
}

// The form behind Add and Edit.
bool editInDialog(QWidget *parent, const QString &title, SiteDevice &device)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *form = new QFormLayout(&dialog);
    auto *name = new QLineEdit(device.name, &dialog);
    auto *port = new QLineEdit(device.port, &dialog);
    auto *schedule = new QLineEdit(device.schedule, &dialog);
    form->addRow(DevicesDlg::tr("Name:"), name);
    form->addRow(DevicesDlg::tr("Port:"), port);
    form->addRow(DevicesDlg::tr("Schedule file:"), schedule);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    device = {name->text().trimmed(), port->text().trimmed(), schedule->text().trimmed()};
    return true;
}

} // namespace

DevicesDlg::DevicesDlg(QWidget *parent, const QString &sitePath, const ProtocolTimings &timings)
    : QDialog(parent)
    , m_sitePath(sitePath)
    , m_timings(timings)
{
    setWindowTitle(tr("Devices"));
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("devices"));
    m_table->setHorizontalHeaderLabels({tr("Device"), tr("Port"), tr("Schedule File"), tr("Last Contact"),
                                        tr("Outcome"), tr("Clock Offset"), tr("Tomorrow"), tr("Progress")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_checkDevice = new QCheckBox(tr("Read each device back before Bring Up to Date, as Compare does"), this);
    m_checkDevice->setObjectName(QStringLiteral("checkDevice"));

    m_add = new QPushButton(tr("Add..."), this);
    m_edit = new QPushButton(tr("Edit..."), this);
    m_remove = new QPushButton(tr("Remove"), this);
    m_bring = new QPushButton(tr("Bring Up to Date"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_clock = new QPushButton(tr("Set Clock"), this);
    m_open = new QPushButton(tr("Open Schedule"), this);
    m_compare = new QPushButton(tr("Compare"), this);
    m_compare->setObjectName(QStringLiteral("compare"));
    connect(m_compare, &QPushButton::clicked, this, &DevicesDlg::compare);
    m_clock->setObjectName(QStringLiteral("setClock"));
    m_open->setObjectName(QStringLiteral("openSchedule"));
    connect(m_clock, &QPushButton::clicked, this, &DevicesDlg::setClocks);
    connect(m_open, &QPushButton::clicked, this, &DevicesDlg::openSchedule);
    auto *close = new QPushButton(tr("Close"), this);
    m_add->setObjectName(QStringLiteral("add"));
    m_edit->setObjectName(QStringLiteral("edit"));
    m_remove->setObjectName(QStringLiteral("remove"));
    m_bring->setObjectName(QStringLiteral("bringUpToDate"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_add, &QPushButton::clicked, this, &DevicesDlg::addDevice);
    connect(m_edit, &QPushButton::clicked, this, &DevicesDlg::editDevice);
    connect(m_remove, &QPushButton::clicked, this, &DevicesDlg::removeDevices);
    connect(m_bring, &QPushButton::clicked, this, &DevicesDlg::bringUpToDate);
    connect(m_cancel, &QPushButton::clicked, this, &DevicesDlg::cancelRuns);
    connect(close, &QPushButton::clicked, this, &DevicesDlg::reject);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &DevicesDlg::updateButtons);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_add, m_edit, m_remove, m_bring, m_clock, m_compare, m_open, m_cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(m_checkDevice);
    layout->addLayout(buttons);
    resize(900, 320);
    reload();
}

DevicesDlg::~DevicesDlg()
{
    cancelRuns();
}

void DevicesDlg::reload()
{
    QString error;
    m_devices = readSiteDevices(m_sitePath, error);
    m_table->setRowCount(int(m_devices.size()));
    for (int row = 0; row < int(m_devices.size()); ++row)
        showRow(row);
    updateButtons();
}

void DevicesDlg::showRow(int row)
{
    const SiteDevice &device = m_devices[size_t(row)];
    auto set = [&](int column, const QString &text) {
        QTableWidgetItem *item = m_table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            m_table->setItem(row, column, item);
        }
        item->setText(text);
    };
    set(Name, device.name);
    set(Port, device.port);
    set(Schedule, device.schedule);

    TransferJournal journal(defaultJournalPath());
    const PortHistory history = readPortHistory(journal, device.port);
    const std::unique_ptr<WeeklySchedule> week = loadWeek(device.schedule);
    std::unique_ptr<PlannedWeek> plan = week ? std::make_unique<PlannedWeek>(*week, QDate::currentDate()) : nullptr;
    const SiteDeviceState state = siteDeviceState(history.entries, plan.get());
    set(LastContact, state.last ? QLocale().toString(state.last->when, QLocale::ShortFormat) : tr("never"));
    set(LastOutcome, state.last ? outcomeText(state.last->outcome) : QString());
    set(ClockOffset, state.clockOffsetSeconds ? offsetText(*state.clockOffsetSeconds) : QString());
    set(Tomorrow, tomorrowText(state.tomorrow));
    set(Run, m_runTexts.value(device.name));
}

void DevicesDlg::updateButtons()
{
    const bool running = isRunning();
    const bool one = m_table->selectionModel()->selectedRows().size() == 1;
    m_add->setEnabled(!running);
    m_edit->setEnabled(!running && one);
    m_remove->setEnabled(!running && !m_table->selectionModel()->selectedRows().empty());
    m_bring->setEnabled(!running && !m_devices.empty());
    m_clock->setEnabled(!running && !m_devices.empty());
    m_compare->setEnabled(!running && !m_devices.empty());
    m_open->setEnabled(one);
    m_cancel->setEnabled(running);
}

std::vector<int> DevicesDlg::chosenRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty()) {
        for (int row = 0; row < m_table->rowCount(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool DevicesDlg::editInto(SiteDevice &device)
{
    return m_editor ? m_editor(device)
                    : editInDialog(this, device.name.isEmpty() ? tr("Add Device") : tr("Edit Device"), device);
}

bool DevicesDlg::store(const std::vector<SiteDevice> &devices, const QString &changed)
{
    if (!changed.isNull()) {
        if (changed.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), tr("A device needs a name."));
            return false;
        }
        if (std::count_if(devices.begin(), devices.end(), [&](const SiteDevice &d) { return d.name == changed; }) > 1) {
            QMessageBox::warning(this, windowTitle(), tr("There is already a device named %1.").arg(changed));
            return false;
        }
        for (const SiteRefusal &refusal : checkSite(devices).refused) {
            if (refusal.device == changed) {
                QMessageBox::warning(this, windowTitle(), refusalText(refusal));
                return false;
            }
        }
    }
    if (const std::optional<QString> error = writeSite(m_sitePath, devices)) {
        QMessageBox::warning(this, windowTitle(), tr("The site file could not be written: %1").arg(*error));
        return false;
    }
    reload();
    return true;
}

void DevicesDlg::addDevice()
{
    // A refused device is offered again as typed, until it is stored or the operator cancels.
    SiteDevice device;
    while (editInto(device)) {
        std::vector<SiteDevice> devices = m_devices;
        devices.push_back(device);
        if (store(devices, device.name) || m_editor)
            return;
    }
}

void DevicesDlg::editDevice()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    if (selected.size() != 1)
        return;
    const size_t row = size_t(selected.front().row());
    SiteDevice device = m_devices[row];
    while (editInto(device)) {
        std::vector<SiteDevice> devices = m_devices;
        devices[row] = device;
        if (store(devices, device.name) || m_editor)
            return;
    }
}

void DevicesDlg::removeDevices()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::vector<SiteDevice> devices;
    for (int row = 0; row < int(m_devices.size()); ++row) {
        const bool gone =
            std::any_of(selected.begin(), selected.end(), [&](const QModelIndex &i) { return i.row() == row; });
        if (!gone)
            devices.push_back(m_devices[size_t(row)]);
    }
    store(devices, QString());
}

void DevicesDlg::setRunText(int row, const QString &text)
{
    m_runTexts.insert(m_devices[size_t(row)].name, text);
    if (QTableWidgetItem *item = m_table->item(row, Run))
        item->setText(text);
}

std::vector<int> DevicesDlg::acceptedRows() const
{
    const Site site = checkSite(m_devices);
    std::vector<int> rows = chosenRows();
    std::erase_if(rows, [&](int row) { return !site.find(m_devices[size_t(row)].name); });
    return rows;
}

void DevicesDlg::bringUpToDate()
{
    if (isRunning())
        return;
    const Site site = checkSite(m_devices);
    TransferJournal journal(defaultJournalPath());
    for (int row : chosenRows()) {
        const SiteDevice &device = m_devices[size_t(row)];
        const auto refused = std::find_if(site.refused.begin(), site.refused.end(),
                                          [&](const SiteRefusal &r) { return r.device == device.name; });
        if (refused != site.refused.end()) {
            setRunText(row, refusalText(*refused));
            continue;
        }
        // Load, plan, let go: a device in flight keeps its seven images only.
        std::unique_ptr<WeeklySchedule> week = loadWeek(device.schedule);
        if (!week) {
            setRunText(row, tr("The schedule file %1 does not open.").arg(device.schedule));
            continue;
        }
        auto plan = std::make_shared<const PlannedWeek>(*week, QDate::currentDate());
        week.reset();
        if (m_checkDevice->isChecked()) {
            // The journal is this computer's: the device itself tells what it holds.
            m_plans.insert(device.name, plan);
            startRun(row, new DeviceSyncRun(device.port, device.schedule, m_timings, this), {});
        } else {
            sendNeeded(row, *plan);
        }
    }
    updateButtons();
}

void DevicesDlg::sendNeeded(int row, const PlannedWeek &plan)
{
    const SiteDevice &device = m_devices[size_t(row)];
    TransferJournal journal(defaultJournalPath());
    const PortHistory history = readPortHistory(journal, device.port);
    const std::vector<int> days = weekdaysToSend(plan, DeviceHoldings::fromJournal(history.entries));
    if (days.empty()) {
        setRunText(row, tr("Nothing to send"));
        return;
    }
    startRun(row, new DeviceSyncRun(device.port, plan.images(), plan.carried(), device.schedule, m_timings, this),
             days);
}

void DevicesDlg::startRun(int row, DeviceSyncRun *run, const std::vector<int> &days)
{
    const QString name = m_devices[size_t(row)].name;
    m_runs.insert(name, run);
    connect(run, &DeviceSyncRun::progress, this, [this, name](int percent) {
        const auto found =
            std::find_if(m_devices.begin(), m_devices.end(), [&](const SiteDevice &d) { return d.name == name; });
        if (found != m_devices.end())
            setRunText(int(found - m_devices.begin()), tr("Sending: %1 %").arg(percent));
    });
    connect(run, &DeviceSyncRun::finished, this, [this, name](const TransferOutcome &outcome, const QString &warning) {
        runFinished(name, outcome, warning);
    });
    setRunText(row, days.empty() ? tr("Reading the weekdays") : tr("Sending: %1 %").arg(0));
    run->start(days);
}

void DevicesDlg::setClocks()
{
    if (isRunning())
        return;
    for (int row : acceptedRows()) {
        const SiteDevice &device = m_devices[size_t(row)];
        // The frame carries the time it is made at.
        const QDateTime now = QDateTime::currentDateTime();
        TransferRecord record;
        record.kind = JournalKind::ClockSet;
        record.port = device.port;
        record.weekdays = {now.date().dayOfWeek()};
        CComm comm;
        comm.ConfigureForDevice();
        comm.setPortName(device.port);
        comm.setConnectTimeout(m_timings.connectTimeoutMs);
        SilentReceiver receiver;
        bool sent = false;
        if (comm.OpenIfClosed(&receiver)) {
            const QByteArray frame =
                ClockSession::setClockFrame(autoSetupPositionForDay(now.date().dayOfWeek()), now.time().hour(),
                                            now.time().minute(), now.time().second());
            comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
            sent = comm.Drain(m_timings.drainTimeoutMs);
        }
        comm.Shutdown();
        record.end = sent ? TransferEnd::Completed : TransferEnd::PortFailed;
        const std::optional<QString> warning = recordTransfer(defaultJournalPath(), record);
        m_runTexts.insert(device.name,
                          warning    ? *warning
                              : sent ? tr("Clock set to %1").arg(QLocale().toString(now, QLocale::ShortFormat))
                                     : tr("The clock could not be set: the port did not take the frame."));
        showRow(row);
    }
}

void DevicesDlg::compare()
{
    if (isRunning())
        return;
    for (int row : acceptedRows()) {
        const SiteDevice &device = m_devices[size_t(row)];
        std::unique_ptr<WeeklySchedule> week = loadWeek(device.schedule);
        if (!week) {
            setRunText(row, tr("The schedule file %1 does not open.").arg(device.schedule));
            continue;
        }
        m_fileImages.insert(device.name, weekImages(*week, {1, 2, 3, 4, 5, 6, 7}));
        week.reset();
        startRun(row, new DeviceSyncRun(device.port, device.schedule, m_timings, this), {});
    }
    updateButtons();
}

void DevicesDlg::openSchedule()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    if (selected.size() == 1)
        emit openScheduleRequested(m_devices[size_t(selected.front().row())].schedule);
}

void DevicesDlg::runFinished(const QString &name, const TransferOutcome &outcome, const QString &warning)
{
    DeviceSyncRun *run = m_runs.take(name);
    if (!run)
        return;
    run->deleteLater();
    const auto found =
        std::find_if(m_devices.begin(), m_devices.end(), [&](const SiteDevice &d) { return d.name == name; });
    if (found != m_devices.end()) {
        const int row = int(found - m_devices.begin());
        QString text = warning.isEmpty() ? transferOutcomeText(outcome) : warning;
        if (m_fileImages.contains(name) && outcome.end == TransferEnd::Completed && run->read().size() == 7) {
            QStringList differing;
            for (const WeekdayComparison &day : compareWeek(m_fileImages.value(name), run->read())) {
                if (!day.same()) {
                    const QString weekday = QLocale().dayName(day.day, QLocale::LongFormat);
                    differing << (day.differences.size() == 1
                                      ? tr("%1 differs in 1 minute").arg(weekday)
                                      : tr("%1 differs in %2 minutes").arg(weekday).arg(day.differences.size()));
                }
            }
            text = differing.isEmpty() ? tr("The same as the schedule file") : differing.join(QStringLiteral("; "));
        }
        m_fileImages.remove(name);
        // Read back for Bring Up to Date: what the device holds is journalled now; the send follows.
        if (const std::shared_ptr<const PlannedWeek> plan = m_plans.take(name)) {
            if (outcome.end == TransferEnd::Completed && warning.isEmpty()) {
                showRow(row);
                sendNeeded(row, *plan);
                updateButtons();
                return;
            }
            text = tr("The device could not be read back: nothing was sent (%1)").arg(text);
        }
        m_runTexts.insert(name, text);
        showRow(row);
    }
    updateButtons();
}

void DevicesDlg::cancelRuns()
{
    const QList<DeviceSyncRun *> runs = m_runs.values();
    for (DeviceSyncRun *run : runs)
        run->cancel();
}

void DevicesDlg::reject()
{
    // Closing stops every device first; the window goes once they have ended.
    if (isRunning()) {
        cancelRuns();
        return;
    }
    QDialog::reject();
}
