#pragma once

#include "device/ReceiveRing.h"
#include "device/TransferHost.h"

#include <QByteArray>

#include <array>

class WeeklySchedule;

// The Upload exchange: requests the image of each chosen weekday in turn, checks and decodes
// the reply and replaces that weekday in the week (which makes it the shown day). Driven by
// box clicks, "Receive", "Cancel", timer ticks and received chunks; acts through the host.
class UploadSession {
public:
    // Boxes 1..7 are the weekdays Monday..Sunday.
    enum Box { kWeekly = 8 };
    static constexpr int kBoxCount = 8;
    static constexpr int kProgressTop = 60;
    static constexpr int kSilenceLimit = 10;
    static constexpr int kHeaderSize = 3;

    UploadSession(TransferHost &host, WeeklySchedule &week);

    void open();
    void boxClicked(int box, bool checked);
    // "Receive": requests the next checked weekday when no request is outstanding.
    void receive();
    void cancel();
    void timer(int id);
    void received(const QByteArray &chunk);
    // The port failed under an exchange: ends it as silence would.
    void portLost();

    bool isChecked(int box) const;
    bool isIdle() const { return m_idle; }
    bool isFinished() const { return m_finished; }

private:
    bool anyWeekdayChecked() const;
    void setChecked(int box, bool checked);
    void request(int day);
    void replyTick();
    void progressTick();
    void storeReply();
    void endInSilence();
    void finish(SessionHost::Result result);

    TransferHost &m_host;
    WeeklySchedule &m_week;
    ReceiveRing m_ring;
    QByteArray m_reply;
    std::array<bool, kBoxCount + 1> m_checked{};
    bool m_boxesEnabled = true;
    bool m_idle = true;
    bool m_replyComplete = false;
    bool m_replyTimerRunning = false;
    bool m_ending = false;
    bool m_finished = false;
    int m_day = 0;
    int m_silence = 0;
    int m_progress = 0;
};
