#pragma once

#include "device/ProtocolTimings.h"
#include "device/TransferHost.h"

#include <vector>

// What Download and Upload share: the row of check boxes (weekdays 1..7 = Monday..
// Sunday, box 8 = Weekly, then any box of the session's own), the progress bar, the two timers
// and the end of the exchange. A session supplies what it does with the checked weekdays, with
// a reply and with silence; this class runs the rest through the host and, where there is a
// row of boxes to show, through it.
class DayBoxTransfer {
public:
    static constexpr int kWeeklyBox = 8;
    static constexpr int kSilenceLimit = ProtocolTimings::kSilentTicks;

    virtual ~DayBoxTransfer() = default;
    DayBoxTransfer(const DayBoxTransfer &) = delete;
    DayBoxTransfer &operator=(const DayBoxTransfer &) = delete;

    // Dialog start: progress bar range and position, every box in its normal state.
    void open();
    void timer(int id);
    // The port failed under an exchange (device unplugged): ends it as silence would.
    void portLost();

    bool isChecked(int box) const;
    // "Send"/"Receive" would start a transfer now: a box is ticked and none has started.
    bool readyToStart() const;
    bool isIdle() const { return m_idle; }

protected:
    DayBoxTransfer(TransferHost &host, DayBoxes *boxes, int boxCount, int progressTop, const ProtocolTimings &timings);

    // Starts the transfer of what is checked while idle (the session's own part of a round).
    virtual void startChecked() = 0;
    // Timer 1 ticked: look at the reply received so far.
    virtual void replyTick() = 0;
    // Too many ticks without the awaited reply.
    virtual void endInSilence() = 0;

    // A click on a box: records it and keeps Weekly and the weekdays in step. False when the
    // click must be ignored (boxes disabled, session over, no such box).
    bool clickBox(int box, bool checked);
    // "Send"/"Receive" and every reply tick: box states, the session's start, boxes disabled.
    void startRound();

    bool anyWeekdayChecked() const;
    void setChecked(int box, bool checked);
    // The box shows it is transferred and is no longer checked.
    void markTransferred(int box);
    // Starts timer 1 and writes the frame whose reply the session now waits for.
    void awaitReply(const QByteArray &frame);
    // The next weekday starts its progress from zero.
    void restartProgress();
    void stopTimers();
    void stopTimersAtTop();
    // Everything is through: the bar at its top and `outcome` reported; once acknowledged the
    // dialog ends.
    void complete(const TransferOutcome &outcome);
    void finish(SessionHost::Result result);

    void showBox(int box, DayBoxState state);

    TransferHost &m_host;
    const ProtocolTimings m_timings;
    DayBoxes *const m_boxes;
    const int m_boxCount;
    const int m_progressTop;
    std::vector<bool> m_checked;
    bool m_idle = true;
    bool m_replyTimerRunning = false;
    bool m_ending = false;
    bool m_finished = false;
    int m_silence = 0;
    int m_progress = 0;

private:
    void progressTick();

    bool m_boxesEnabled = true;
};
