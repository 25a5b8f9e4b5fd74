#include "app/gui/DeviceSyncRun.h"

#include "device/TransferRecorder.h"
#include "schedule/WeeklySchedule.h"

DeviceSyncRun::DeviceSyncRun(const QString &port, const WeekdayImages &images, const CarriedSchedules &carried,
                             const QString &file, const ProtocolTimings &timings, QObject *parent)
    : QObject(parent)
    , m_file(file)
    , m_images(images)
    , m_carried(carried)
    , m_download(std::make_unique<DownloadSession>(*this, m_images, nullptr, timings))
{
    configure(port, timings);
}

DeviceSyncRun::DeviceSyncRun(const QString &port, const QString &file, const ProtocolTimings &timings, QObject *parent)
    : QObject(parent)
    , m_file(file)
    , m_scratch(std::make_unique<WeeklySchedule>())
    , m_upload(std::make_unique<UploadSession>(*this, *m_scratch, nullptr, timings))
{
    m_upload->keepImages(&m_read);
    configure(port, timings);
}

void DeviceSyncRun::configure(const QString &port, const ProtocolTimings &timings)
{
    m_comm.ConfigureForDevice();
    m_comm.setPortName(port);
    m_comm.setConnectTimeout(timings.connectTimeoutMs);
    for (int id : {kReplyTimer, kProgressTimer}) {
        m_timers[size_t(id)].setTimerType(Qt::PreciseTimer);
        connect(&m_timers[size_t(id)], &QTimer::timeout, this, [this, id] {
            if (m_download)
                m_download->timer(id);
            else
                m_upload->timer(id);
        });
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
        failed.exchange = m_download ? TransferExchange::Download : TransferExchange::Upload;
        failed.end = TransferEnd::PortFailed;
        QTimer::singleShot(0, this, [this, failed] { end(failed); });
        return false;
    }
    if (m_upload) {
        m_upload->open();
        m_upload->boxClicked(UploadSession::kWeekly, true);
        m_upload->receive();
        return true;
    }
    m_download->open();
    if (days.size() == 7) {
        m_download->boxClicked(DownloadSession::kWeekly, true);
    } else {
        for (int day : days)
            m_download->boxClicked(day, true);
    }
    m_download->send();
    return true;
}

void DeviceSyncRun::cancel()
{
    if (m_ended)
        return;
    if (m_download)
        m_download->cancel();
    else
        m_upload->cancel();
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
    // A reading goes on past a weekday's line error; it ends with the whole week's outcome.
    if (m_download || outcome.end != TransferEnd::LineError)
        end(outcome);
    else
        m_lineError = true;
    // A refusal waits for Cancel, which comes at once.
    if (outcome.end == TransferEnd::Refused)
        QTimer::singleShot(0, this, [this] { cancel(); });
    // Acknowledged at once, as a box's OK would be on the next turn.
    if (onAcknowledged)
        QTimer::singleShot(0, this, [onAcknowledged = std::move(onAcknowledged)] { onAcknowledged(); });
}

void DeviceSyncRun::serialReceived(const uint8_t *data, size_t size)
{
    const QByteArray chunk(reinterpret_cast<const char *>(data), qsizetype(size));
    if (m_download)
        m_download->received(chunk);
    else
        m_upload->received(chunk);
}

void DeviceSyncRun::serialFailed(const QString &)
{
    if (m_download)
        m_download->portLost();
    else
        m_upload->portLost();
}

void DeviceSyncRun::end(const TransferOutcome &outcome)
{
    if (m_ended)
        return;
    m_ended = true;
    TransferRecord record;
    if (m_download) {
        record = imagesTransferRecord(outcome, m_images, m_carried);
    } else {
        record.kind = JournalKind::Comparison;
        record.weekdays = {1, 2, 3, 4, 5, 6, 7};
        for (const auto &[day, image] : m_read)
            record.images.push_back(
                {day,
                 QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize)),
                 {},
                 {},
                 false});
        record.end = m_lineError && outcome.end == TransferEnd::Completed ? TransferEnd::LineError : outcome.end;
    }
    record.port = m_comm.portName();
    record.file = m_file;
    const std::optional<QString> warning = recordTransfer(defaultJournalPath(), record);
    emit finished(outcome, warning.value_or(QString()));
}
