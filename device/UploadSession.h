#pragma once

#include "device/DayBoxTransfer.h"
#include "device/ReceiveRing.h"
#include "device/WeekComparison.h"

#include <QByteArray>

class WeeklySchedule;

// The Upload exchange: requests the image of each chosen weekday in turn, checks and decodes
// the reply and replaces that weekday in the week (which makes it the shown day). Driven by
// box clicks, "Receive", "Cancel", timer ticks and received chunks; acts through the host.
class UploadSession : public DayBoxTransfer {
public:
    // Boxes 1..7 are the weekdays Monday..Sunday.
    enum Box { kWeekly = kWeeklyBox };
    static constexpr int kBoxCount = 8;
    static constexpr int kProgressTop = 60;
    static constexpr int kHeaderSize = 3;

    // `boxes` shows the row of boxes; none for a terminal.
    UploadSession(TransferHost &host, WeeklySchedule &week, DayBoxes *boxes = nullptr,
                  const ProtocolTimings &timings = {});

    void boxClicked(int box, bool checked);
    // "Receive": requests the next checked weekday when no request is outstanding.
    void receive();
    void cancel();
    void received(const QByteArray &chunk);

    // Also keeps each image received, as the device sent it, in `images` (by weekday); the
    // week gets its entries as ever. `images` must outlive the session.
    void keepImages(WeekImages *images) { m_images = images; }

private:
    void startChecked() override;
    void replyTick() override;
    void endInSilence() override;
    void request(int day);
    void storeReply();
    void keepStored(const uint8_t *image);
    TransferOutcome outcome(TransferEnd end) const;

    WeeklySchedule &m_week;
    ReceiveRing m_ring;
    QByteArray m_reply;
    bool m_replyComplete = false;
    int m_day = 0;
    std::vector<int> m_stored;
    std::vector<int> m_lineErrors; // weekdays whose image failed the line check, in order
    WeekImages *m_images = nullptr;
};
