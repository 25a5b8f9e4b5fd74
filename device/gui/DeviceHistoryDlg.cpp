#include "device/gui/DeviceHistoryDlg.h"

#include "device/DayImage.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/DeviceMessage.h"
#include "device/WeekComparison.h"
#include "journal/TransferJournal.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <set>

namespace {

QString dayText(int day)
{
    const std::string_view name = weekdayName(day);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QTableWidget *table(QWidget *parent, const QString &name, const QStringList &headers)
{
    auto *t = new QTableWidget(parent);
    t->setAccessibleName(name);
    t->setColumnCount(int(headers.size()));
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setRow(QTableWidget *t, int row, const QStringList &cells)
{
    for (int c = 0; c < cells.size(); ++c)
        t->setItem(row, c, new QTableWidgetItem(cells[c]));
}

DaySchedule decoded(const QByteArray &image)
{
    return DayImage::Decode(reinterpret_cast<const uint8_t *>(image.constData()), size_t(image.size()));
}

} // namespace

DeviceHistoryDlg::DeviceHistoryDlg(QWidget *parent, const QString &journalPath, const QString &portName,
                                   const SoundNames &names)
    : QDialog(parent)
    , m_journalPath(journalPath)
    , m_portName(portName)
    , m_names(names)
{
    setWindowTitle(tr("Device History"));
    m_ports = new QComboBox(this);
    m_entries =
        table(this, tr("Transfers"), {tr("When"), tr("What"), tr("Port"), tr("Outcome"), tr("Weekdays"), tr("File")});
    m_week = table(this, tr("The week as it was sent"), {tr("Weekday"), tr("Entries"), QStringLiteral("SHA-256")});
    m_events = table(this, tr("Events"), {tr("Time"), tr("Event")});
    m_sendAgain = new QPushButton(tr("Send Again"), this);
    m_sendAgain->setEnabled(false);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto *filter = new QHBoxLayout;
    auto *portLabel = new QLabel(tr("Port:"), this);
    portLabel->setBuddy(m_ports);
    filter->addWidget(portLabel);
    filter->addWidget(m_ports, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_sendAgain);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(m_entries, 2);
    auto *weekLabel = new QLabel(tr("The week as it was sent:"), this);
    weekLabel->setBuddy(m_week);
    layout->addWidget(weekLabel);
    auto *week = new QHBoxLayout;
    week->addWidget(m_week, 3);
    week->addWidget(m_events, 2);
    layout->addLayout(week, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    connect(m_ports, &QComboBox::currentIndexChanged, this, [this] { showEntries(); });
    connect(m_entries, &QTableWidget::itemSelectionChanged, this, [this] { showWeek(); });
    connect(m_week, &QTableWidget::itemSelectionChanged, this, [this] { showEvents(); });
    connect(m_sendAgain, &QPushButton::clicked, this, [this] { sendAgain(); });
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    load();
}

void DeviceHistoryDlg::load()
{
    TransferJournal journal(m_journalPath);
    JournalQuery query;
    query.withImages = true;
    JournalRead read = journal.entries(query);
    if (read.error) {
        const QString text = tr("The transfer journal cannot be read (%1): %2").arg(m_journalPath, read.error->cause);
        QTimer::singleShot(0, this, [this, text] { openDeviceMessage(this, text); });
    }
    m_all = std::move(read.entries);
    std::set<QString> ports;
    for (const JournalEntry &e : m_all)
        ports.insert(e.port);
    // A reload keeps the port the operator filtered on.
    const QVariant filtered = m_ports->currentData();
    const QSignalBlocker quiet(m_ports);
    m_ports->clear();
    m_ports->addItem(tr("All ports"));
    for (const QString &p : ports)
        m_ports->addItem(p, p);
    m_ports->setCurrentIndex(std::max(0, m_ports->findData(filtered)));
    showEntries();
}

void DeviceHistoryDlg::showEntries()
{
    const QVariant port = m_ports->currentData();
    m_shown.clear();
    for (const JournalEntry &e : m_all) {
        if (!port.isValid() || e.port == port.toString())
            m_shown.push_back(&e);
    }
    m_entries->clearContents();
    m_entries->setRowCount(int(m_shown.size()));
    for (int row = 0; row < int(m_shown.size()); ++row) {
        const JournalEntry &e = *m_shown[size_t(row)];
        QStringList days;
        for (int d : e.weekdays)
            days << dayText(d).left(3);
        setRow(m_entries, row,
               {e.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), journalKindName(e.kind), e.port,
                journalOutcomeName(e.outcome), days.join(QLatin1Char(',')), e.file});
    }
    m_entries->resizeColumnsToContents();
    showWeek();
}

const JournalEntry *DeviceHistoryDlg::selectedEntry() const
{
    const int row = m_entries->currentRow();
    if (m_entries->selectedItems().isEmpty() || row < 0 || row >= int(m_shown.size()))
        return nullptr;
    return m_shown[size_t(row)];
}

void DeviceHistoryDlg::showWeek()
{
    const JournalEntry *e = selectedEntry();
    m_week->clearContents();
    m_week->setRowCount(0);
    const bool download = e && e->kind == JournalKind::Download && !e->images.empty();
    m_sendAgain->setEnabled(download);
    if (!download)
        return;
    m_week->setRowCount(int(e->images.size()));
    for (int row = 0; row < int(e->images.size()); ++row) {
        const JournalImage &image = e->images[size_t(row)];
        setRow(m_week, row,
               {dayText(image.day), QString::number(decoded(image.image).count()), QString::fromLatin1(image.sha256)});
    }
    m_week->resizeColumnsToContents();
    m_week->selectRow(0);
}

void DeviceHistoryDlg::showEvents()
{
    m_events->setRowCount(0);
    const JournalEntry *e = selectedEntry();
    const int row = m_week->currentRow();
    if (!e || m_week->selectedItems().isEmpty() || row < 0 || row >= int(e->images.size()))
        return;
    const QByteArray &bytes = e->images[size_t(row)].image;
    if (bytes.size() != qsizetype(DayImage::kSize))
        return;
    DayImage image;
    std::copy(bytes.begin(), bytes.end(), image.bytes().begin());
    for (int minute = 0; minute < DayImage::kSlots; ++minute) {
        const std::optional<SlotEvent> event = SlotEvent::of(image.slot(minute), minute);
        if (!event)
            continue;
        const int r = m_events->rowCount();
        m_events->insertRow(r);
        setRow(m_events, r,
               {QString::fromStdString(minuteText(minute)), QString::fromStdString(eventWords(event, &m_names))});
    }
    m_events->resizeColumnsToContents();
}

void DeviceHistoryDlg::sendAgain()
{
    const JournalEntry *e = selectedEntry();
    if (!e)
        return;
    // The images become a week of their own: the document is not touched.
    auto week = std::make_unique<WeeklySchedule>();
    std::vector<int> days;
    for (const JournalImage &image : e->images) {
        if (!isWeekday(image.day) || image.image.size() != qsizetype(DayImage::kSize))
            continue;
        week->day(image.day) = decoded(image.image);
        days.push_back(image.day);
    }
    CDownloadDlg dialog(this, *week, m_portName);
    dialog.setScheduleFile(e->file);
    connect(&dialog, &TransferDialog::journalWarning, this, &DeviceHistoryDlg::journalWarning);
    dialog.preselect(days);
    dialog.exec();
    load(); // the send is in the journal now
}
