#pragma once

#include "device/CComm.h"
#include "device/DayImage.h"
#include "device/DownloadSession.h"
#include "device/SerialReceiver.h"
#include "device/TransferHost.h"
#include "device/TransferOutcome.h"
#include "journal/JournalEntry.h"

#include <QObject>
#include <QTimer>

#include <array>

// One device's Download of images already made, on its own port, without a window: the
// Devices window runs several at once in the one event loop. Its outcome is journalled under
// its port with `file`; finished() comes once, after it.
class DeviceSyncRun : public QObject, public TransferHost, public SerialReceiver {
    Q_OBJECT
public:
    DeviceSyncRun(const QString &port, const WeekdayImages &images, const CarriedSchedules &carried,
                  const QString &file, const ProtocolTimings &timings, QObject *parent = nullptr);
    ~DeviceSyncRun() override;

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
    void end(const TransferOutcome &outcome);

    QString m_file;
    WeekdayImages m_images;
    CarriedSchedules m_carried;
    CComm m_comm;
    DownloadSession m_session;
    std::array<QTimer, 3> m_timers;
    int m_low = 0;
    int m_high = 1;
    bool m_ended = false;
};
