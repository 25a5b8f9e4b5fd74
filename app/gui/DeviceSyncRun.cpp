#include "app/gui/DeviceSyncRun.h"

#include "device/TransferRecorder.h"

DeviceSyncRun::DeviceSyncRun(const QString &port, const WeekdayImages &images, const CarriedSchedules &carried,
                             const QString &file, const ProtocolTimings &timings, QObject *parent)
    : QObject(parent)
    , m_file(file)
    , m_images(images)
    , m_carried(carried)
    , m_session(*this, m_images, nullptr, timings)
{
    m_comm.ConfigureForDevice();
    m_comm.setPortName(port);
    m_comm.setConnectTimeout(timings.connectTimeoutMs);
    for (int id : {kReplyTimer, kProgressTimer}) {
        m_timers[size_t(id)].setTimerType(Qt::PreciseTimer);
        connect(&m_timers[size_t(id)], &QTimer::timeout, this, [this, id] { m_session.timer(id); });
    }
}

DeviceSyncRun::~DeviceSyncRun()
{
    m_comm.Shutdown();
}

bool DeviceSyncRun::start(const std::vector<int> &days)
{
    if (!m_comm.OpenIfClosed(this)) {
        TransferOutcome failed;
        failed.exchange = TransferExchange::Download;
        failed.end = TransferEnd::PortFailed;
        QTimer::singleShot(0, this, [this, failed] { end(failed); });
        return false;
    }
    m_session.open();
    if (days.size() == 7) {
        m_session.boxClicked(DownloadSession::kWeekly, true);
    } else {
        for (int day : days)
            m_session.boxClicked(day, true);
    }
    m_session.send();
    return true;
}

void DeviceSyncRun::cancel()
{
    if (!m_ended)
        m_session.cancel();
}

void DeviceSyncRun::writeFrame(const QByteArray &frame)
{
    m_comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
}

void DeviceSyncRun::closeDialog(Result)
{
    for (QTimer &timer : m_timers)
        timer.stop();
}

void DeviceSyncRun::setTimer(int id, int intervalMs)
{
    if (id == kReplyTimer || id == kProgressTimer)
        m_timers[size_t(id)].start(intervalMs);
}

void DeviceSyncRun::killTimer(int id)
{
    if (id == kReplyTimer || id == kProgressTimer)
        m_timers[size_t(id)].stop();
}

void DeviceSyncRun::setProgressRange(int low, int high)
{
    m_low = low;
    m_high = high > low ? high : low + 1;
}

void DeviceSyncRun::setProgress(int position)
{
    emit progress(100 * (position - m_low) / (m_high - m_low));
}

void DeviceSyncRun::reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged)
{
    end(outcome);
    // A refusal waits for Cancel, which comes at once.
    if (outcome.end == TransferEnd::Refused)
        QTimer::singleShot(0, this, [this] { m_session.cancel(); });
    // Acknowledged at once, as a box's OK would be on the next turn.
    if (onAcknowledged)
        QTimer::singleShot(0, this, [onAcknowledged = std::move(onAcknowledged)] { onAcknowledged(); });
}

void DeviceSyncRun::serialReceived(const uint8_t *data, size_t size)
{
    m_session.received(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
}

void DeviceSyncRun::serialFailed(const QString &)
{
    m_session.portLost();
}

void DeviceSyncRun::end(const TransferOutcome &outcome)
{
    if (m_ended)
        return;
    m_ended = true;
    TransferRecord record = imagesTransferRecord(outcome, m_images, m_carried);
    record.port = m_comm.portName();
    record.file = m_file;
    const std::optional<QString> warning = recordTransfer(defaultJournalPath(), record);
    emit finished(outcome, warning.value_or(QString()));
}
