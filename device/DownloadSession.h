#pragma once

#include "device/DayImage.h"
#include "device/ReceiveRing.h"
#include "device/TransferHost.h"

#include <QByteArray>

#include <array>

class WeeklySchedule;

// The Download exchange: sends the image of each chosen weekday (or the blank image under the
// eight codes A..H for ALL Clear) one frame at a time, each only after the device has
// acknowledged the previous one. Driven by the dialog's box clicks, "Send", "Cancel", timer
// ticks and received chunks; acts only through the host.
class DownloadSession {
public:
    // Boxes 1..7 are the weekdays Monday..Sunday.
    enum Box { kWeekly = 8, kAllClear = 9 };
    static constexpr int kBoxCount = 9;
    static constexpr int kProgressTop = 55;
    static constexpr int kSilenceLimit = 10;

    DownloadSession(TransferHost &host, const WeeklySchedule &week);

    // Dialog start: progress bar range and position, pictures of the boxes.
    void open();

    // The operator clicked a box, which now shows `checked`.
    void boxClicked(int box, bool checked);

    // "Send": starts the next checked weekday when no frame is outstanding.
    void send();
    // "Cancel" (also Escape and the close button).
    void cancel();
    void timer(int id);
    void received(const QByteArray &chunk);
    // The port failed under an exchange (device unplugged): ends it as silence would.
    void portLost();

    bool isChecked(int box) const;
    bool isIdle() const { return m_idle; }
    char dayCode() const { return m_dayCode; }
    bool isFinished() const { return m_finished; }

private:
    bool anyWeekdayChecked() const;
    void setChecked(int box, bool checked);
    void startWeekday(int day);
    void startAllClear();
    void prepareAndSend();
    void replyTick();
    void progressTick();
    void endInSilence();
    void finish(SessionHost::Result result);

    TransferHost &m_host;
    const WeeklySchedule &m_week;
    ReceiveRing m_ring;
    DayImage m_image;
    QByteArray m_reply;
    QByteArray m_expectedAck;
    QByteArray m_expectedRefusal;
    std::array<bool, kBoxCount + 1> m_checked{};
    bool m_boxesEnabled = true;
    bool m_idle = true;
    bool m_replyTimerRunning = false;
    bool m_ending = false;
    bool m_finished = false;
    char m_dayCode = 0;
    int m_silence = 0;
    int m_progress = 0;
};
