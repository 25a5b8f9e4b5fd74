#include "device/gui/CTimeSettingDlg.h"

#include "device/gui/DeviceMessage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Ten bytes need about 10 ms at 9600 baud; a stuck line must not hold the window for long.
constexpr int kDrainTimeoutMs = 2000;
} // namespace

CTimeSettingDlg::CTimeSettingDlg(QWidget *parent, const QString &portName, std::function<QDateTime()> now)
    : QDialog(parent), m_session(*this)
{
    setWindowTitle(tr("Time Setting"));
    setModal(true);
    m_openingTime = now ? now() : QDateTime::currentDateTime();

    auto *group = new QGroupBox(this);
    auto *grid = new QGridLayout(group);
    m_weekday = new QComboBox(group);
    m_weekday->addItems({tr(" Sunday"), tr(" Monday"), tr(" Tuesday"),
                         tr(" Wednesday"), tr(" Thursday"), tr(" Friday"),
                         tr(" Saturday")});
    m_time = new QTimeEdit(group);
    m_time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_time->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    grid->addWidget(new QLabel(tr("Day         :"), group), 0, 0);
    grid->addWidget(m_weekday, 0, 1);
    grid->addWidget(new QLabel(tr("Time       :"), group), 1, 0);
    grid->addWidget(m_time, 1, 1);

    m_receive = new QPushButton(tr("Receive"), this);
    m_send = new QPushButton(tr("Send"), this);
    m_send->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_receive);
    buttons->addWidget(m_send);
    buttons->addWidget(m_cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    connect(m_receive, &QPushButton::clicked, this, [this] { m_session.receive(); });
    connect(m_send, &QPushButton::clicked, this, [this] { send(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Sunday is position 0, Saturday 6.
    m_weekday->setCurrentIndex(m_openingTime.date().dayOfWeek() % 7);
    m_time->setTime(QTime(m_openingTime.time().hour(), m_openingTime.time().minute(),
                          m_openingTime.time().second()));

    m_comm.setPortName(portName);
    m_comm.ConfigureForDevice();
    if (!m_comm.OpenIfClosed(this)) {
        const QString text = portOpenFailText(m_comm.openFailure(), m_comm.portName());
        QTimer::singleShot(0, this, [this, text] { openDeviceMessage(this, text); });
    }
}

CTimeSettingDlg::~CTimeSettingDlg()
{
    m_destroying = true;
    m_comm.Shutdown();
}

void CTimeSettingDlg::send()
{
    const QTime t = m_time->time();
    m_session.send(m_weekday->currentIndex(), t.hour(), t.minute(), t.second());
}

void CTimeSettingDlg::writeFrame(const QByteArray &frame)
{
    m_comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
}

void CTimeSettingDlg::closeDialog(Result result)
{
    // Closing the port discards what is still queued: let the clock frame leave first.
    if (result == Result::Ok && !m_comm.Drain(kDrainTimeoutMs)) {
        openDeviceMessage(this, tr("The time was not sent: the port did not take it (%1)")
                                    .arg(m_comm.portName()));
        return;
    }
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
    // Other replies are not the clock's and are passed over, as is a time the picker refuses.
    if (outcome.end != TransferEnd::LineError || outcome.clockFault != ClockReplyFault::NotDigits)
        return;
    openDeviceMessage(this, tr("The device's clock reply is unreadable: %1")
                                .arg(QString::fromLatin1(outcome.reply.toHex(' '))));
}

void CTimeSettingDlg::serialReceived(const uint8_t *data, size_t size)
{
    if (m_destroying)
        return;
    m_session.received(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
}
