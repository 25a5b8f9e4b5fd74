#include "device/gui/CTimeSettingDlg.h"

#include "device/ClockOffset.h"
#include "device/gui/DeviceMessage.h"
#include "device/SummerTimeNotice.h"
#include "schedule/Weekday.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

CTimeSettingDlg::CTimeSettingDlg(QWidget *parent, const QString &portName, std::function<QDateTime()> now,
                                 const ProtocolTimings &timings)
    : QDialog(parent)
    , m_timings(timings)
    , m_session(*this)
    , m_now(std::move(now))
{
    setWindowTitle(tr("Time Setting"));
    setModal(true);
    m_openingTime = this->now();

    auto *group = new QGroupBox(this);
    auto *grid = new QGridLayout(group);
    m_weekday = new QComboBox(group);
    m_weekday->addItems({tr(" Sunday"), tr(" Monday"), tr(" Tuesday"), tr(" Wednesday"), tr(" Thursday"), tr(" Friday"),
                         tr(" Saturday")});
    m_time = new QTimeEdit(group);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_time->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    auto *dayLabel = new QLabel(tr("Day         :"), group);
    auto *timeLabel = new QLabel(tr("Time       :"), group);
    dayLabel->setBuddy(m_weekday);
    timeLabel->setBuddy(m_time);
    // read without the labels' padding
    m_weekday->setAccessibleName(tr("Day"));
    m_time->setAccessibleName(tr("Time"));
    grid->addWidget(dayLabel, 0, 0);
    grid->addWidget(m_weekday, 0, 1);
    grid->addWidget(timeLabel, 1, 0);
    grid->addWidget(m_time, 1, 1);

    m_receive = new QPushButton(tr("Receive"), this);
    m_send = new QPushButton(tr("Send"), this);
    m_send->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_nowButton = new QPushButton(tr("Now"), this);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_receive);
    buttons->addWidget(m_send);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_nowButton);
    buttons->addStretch();

    // Under the controls: the offset after "Receive", and a coming change of summer time.
    m_offsetLine = new QLabel(this);
    m_offsetLine->setVisible(false);
    m_summerTimeLine = new QLabel(this);
    m_summerTimeLine->setWordWrap(true);
    // A time given with its zone is that zone's; otherwise this computer's.
    const QTimeZone zone =
        m_openingTime.timeSpec() == Qt::TimeZone ? m_openingTime.timeZone() : QTimeZone::systemTimeZone();
    const std::optional<OffsetChange> change = upcomingOffsetChange(zone, m_openingTime);
    m_summerTimeLine->setText(change ? QString::fromStdString(summerTimeNotice(*change)) : QString());
    m_summerTimeLine->setVisible(change.has_value());

    auto *controls = new QHBoxLayout;
    controls->addWidget(group, 1);
    controls->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_offsetLine);
    layout->addWidget(m_summerTimeLine);

    connect(m_receive, &QPushButton::clicked, this, [this] {
        if (portReady())
            m_session.receive();
    });
    connect(m_send, &QPushButton::clicked, this, [this] { send(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_nowButton, &QPushButton::clicked, this, [this] { fillInNow(); });

    // Sunday is position 0, Saturday 6.
    m_weekday->setCurrentIndex(m_openingTime.date().dayOfWeek() % 7);
    m_time->setTime(QTime(m_openingTime.time().hour(), m_openingTime.time().minute(), m_openingTime.time().second()));

    m_comm.setPortName(portName);
    m_comm.ConfigureForDevice();
    m_comm.setConnectTimeout(m_timings.connectTimeoutMs);
    if (!m_comm.OpenIfClosed(this)) {
        const QString text = portOpenFailText(m_comm.openFailure(), m_comm.portName());
        QTimer::singleShot(0, this, [this, text] { openDeviceMessage(this, text); });
    }
}

bool CTimeSettingDlg::portReady()
{
    // A port that did not open carries nothing: try it once more, and say at once why not.
    if (m_comm.OpenIfClosed(this))
        return true;
    openDeviceMessage(this, portOpenFailText(m_comm.openFailure(), m_comm.portName()));
    return false;
}

CTimeSettingDlg::~CTimeSettingDlg()
{
    m_destroying = true;
    m_comm.Shutdown();
}

void CTimeSettingDlg::send()
{
    const QTime t = m_time->time();
    TransferRecord record;
    record.kind = JournalKind::ClockSet;
    record.port = m_comm.portName();
    record.weekdays = {dayForAutoSetupPosition(m_weekday->currentIndex())};
    record.clockOffsetSeconds = m_offsetSeen;
    m_clockSet = record;
    if (!portReady()) {
        journalClockSet(TransferEnd::PortFailed);
        return;
    }
    m_session.send(m_weekday->currentIndex(), t.hour(), t.minute(), t.second());
}

void CTimeSettingDlg::fillInNow()
{
    const QDateTime current = now();
    m_weekday->setCurrentIndex(current.date().dayOfWeek() % 7);
    m_time->setTime(QTime(current.time().hour(), current.time().minute(), current.time().second()));
}

void CTimeSettingDlg::journalClockSet(TransferEnd end)
{
    if (!m_clockSet)
        return;
    TransferRecord record = *m_clockSet;
    m_clockSet.reset();
    record.end = end;
    if (const std::optional<QString> warning = recordTransfer(defaultJournalPath(), record))
        emit journalWarning(*warning);
}

void CTimeSettingDlg::showOffset(const TransferOutcome &reading)
{
    const WeekTime device = WeekTime::fromClockReply(reading.weekdayPosition.value_or(-1), reading.clock->hour,
                                                     reading.clock->minute, reading.clock->second);
    const int offset = clockOffsetSeconds(device, WeekTime::fromLocal(now()));
    m_offsetSeen = offset;
    m_offsetLine->setText(QString::fromStdString(clockOffsetLine(device, offset)));
    m_offsetLine->setVisible(true);
}

void CTimeSettingDlg::writeFrame(const QByteArray &frame)
{
    m_comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
}

void CTimeSettingDlg::closeDialog(Result result)
{
    // Closing the port discards what is still queued: let the clock frame leave first.
    if (result == Result::Ok && !m_comm.Drain(m_timings.drainTimeoutMs)) {
        journalClockSet(TransferEnd::PortFailed);
        openDeviceMessage(this, tr("The time was not sent: the port did not take it (%1)").arg(m_comm.portName()));
        return;
    }
    if (result == Result::Ok)
        journalClockSet(TransferEnd::Completed);
    done(result == Result::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void CTimeSettingDlg::selectWeekday(int position)
{
    if (position >= 0 && position < m_weekday->count())
        m_weekday->setCurrentIndex(position);
}

void CTimeSettingDlg::setTimeOfDay(const ClockTime &time)
{
    const QTime t(time.hour, time.minute, time.second);
    if (t.isValid())
        m_time->setTime(t);
}

void CTimeSettingDlg::reportOutcome(const TransferOutcome &outcome, std::function<void()>)
{
    // A time sent came from the window itself: showing it again changes nothing.
    if (outcome.weekdayPosition)
        selectWeekday(*outcome.weekdayPosition);
    if (outcome.clock)
        setTimeOfDay(*outcome.clock);
    if (outcome.clock && !m_clockSet)
        showOffset(outcome);
    // Other replies are not the clock's and are passed over, as is a time the picker refuses.
    if (outcome.end != TransferEnd::LineError || outcome.clockFault != ClockReplyFault::NotDigits)
        return;
    openDeviceMessage(
        this, tr("The device's clock reply is unreadable: %1").arg(QString::fromLatin1(outcome.reply.toHex(' '))));
}

void CTimeSettingDlg::serialReceived(const uint8_t *data, size_t size)
{
    if (m_destroying)
        return;
    m_session.received(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
}
