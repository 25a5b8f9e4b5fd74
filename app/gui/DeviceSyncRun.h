#pragma once

#include "device/CComm.h"
#include "device/DayImage.h"
#include "device/DownloadSession.h"
#include "device/SerialReceiver.h"
#include "device/TransferHost.h"
#include "device/TransferOutcome.h"
#include "device/UploadSession.h"
#include "device/WeekComparison.h"
#include "journal/JournalEntry.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <memory>

class WeeklySchedule;

// One device's exchange on its own port, without a window: a Download of images already made,
// or a reading of all seven weekdays to compare with the file's (Compare). The Devices window
// runs several at once in the one event loop. The outcome is journalled under the port with
// `file` (a reading as a comparison, with the images read); finished() comes once, after it.
class DeviceSyncRun : public QObject, public TransferHost, public SerialReceiver {
    Q_OBJECT
public:
    DeviceSyncRun(const QString &port, const WeekdayImages &images, const CarriedSchedules &carried,
                  const QString &file, const ProtocolTimings &timings, QObject *parent = nullptr);
    // Compare: reads every weekday into `read`.
    DeviceSyncRun(const QString &port, const QString &file, const ProtocolTimings &timings, QObject *parent = nullptr);
    ~DeviceSyncRun() override;

    // What a Compare read, by weekday.
    const WeekImages &read() const { return m_read; }

    // Opens the port and sends the weekdays; false, with finished() on the next turn, when the
    // port does not open.
    bool start(const std::vector<int> &days);
    void cancel();

    // TransferHost
    void writeFrame(const QByteArray &frame) override;
    void closeDialog(Result result) override;
    void setTimer(int id, int intervalMs) override;
    void killTimer(int id) override;
    void setProgressRange(int low, int high) override;
    void setProgress(int position) override;
    void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) override;

    // SerialReceiver
    void serialReceived(const uint8_t *data, size_t size) override;
    void serialFailed(const QString &reason) override;

signals:
    void progress(int percent);
    // The first end the exchange reported; a journal that could not take it, in `warning`.
    void finished(const TransferOutcome &outcome, const QString &warning);

private:
    void configure(const QString &port, const ProtocolTimings &timings);
    void end(const TransferOutcome &outcome);

    QString m_file;
    WeekdayImages m_images;
    CarriedSchedules m_carried;
    CComm m_comm;
    std::unique_ptr<DownloadSession> m_download; // or
    std::unique_ptr<WeeklySchedule> m_scratch; // what a reading stores into, unused
    std::unique_ptr<UploadSession> m_upload;
    WeekImages m_read;
    std::array<QTimer, 3> m_timers;
    int m_low = 0;
    int m_high = 1;
    bool m_ended = false;
    bool m_lineError = false; // a reading's weekday failed the line check
};
