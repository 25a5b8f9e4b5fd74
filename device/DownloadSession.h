#pragma once

#include "device/DayBoxTransfer.h"
#include "device/DayImage.h"
#include "device/ReceiveRing.h"

#include <QByteArray>

#include <vector>

class WeeklySchedule;

// The Download exchange: sends the image of each chosen weekday (or the blank image under the
// eight codes A..H for ALL Clear) one frame at a time, each only after the device has
// acknowledged the previous one. Driven by the dialog's box clicks, "Send", "Cancel", timer
// ticks and received chunks; acts only through the host.
class DownloadSession : public DayBoxTransfer {
public:
    // Boxes 1..7 are the weekdays Monday..Sunday.
    enum Box { kWeekly = kWeeklyBox, kAllClear = 9 };
    static constexpr int kBoxCount = 9;
    static constexpr int kProgressTop = 55;

    // `boxes` shows the row of boxes; none for a terminal.
    DownloadSession(TransferHost &host, const WeeklySchedule &week, DayBoxes *boxes = nullptr,
                    const ProtocolTimings &timings = {});
    // Sends images already made, Monday first: a sender that keeps no week.
    DownloadSession(TransferHost &host, const WeekdayImages &images, DayBoxes *boxes = nullptr,
                    const ProtocolTimings &timings = {});

    // The operator clicked a box, which now shows `checked`.
    void boxClicked(int box, bool checked);

    // "Send": starts the next checked weekday when no frame is outstanding.
    void send();
    // "Cancel" (also Escape and the close button).
    void cancel();
    void received(const QByteArray &chunk);

    char dayCode() const { return m_dayCode; }

private:
    void startChecked() override;
    void replyTick() override;
    void endInSilence() override;
    void startWeekday(int day);
    void startAllClear();
    void prepareAndSend();
    TransferOutcome outcome(TransferEnd end) const;

    const WeeklySchedule *m_week = nullptr; // or
    const WeekdayImages *m_images = nullptr;
    ReceiveRing m_ring;
    DayImage m_image;
    QByteArray m_reply;
    QByteArray m_expectedAck;
    QByteArray m_expectedRefusal;
    char m_dayCode = 0;
    bool m_allClearAcknowledged = false;
    std::vector<int> m_sent; // the weekdays started this time, for the outcome
    bool m_allClearSent = false;
};
