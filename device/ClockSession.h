#pragma once

#include "device/ReceiveRing.h"
#include "device/TransferHost.h"

#include <QByteArray>

// The Time Setting exchange needs nothing beyond writing, closing and its outcomes.
using ClockHost = SessionHost;

// The Time Setting exchange: "Send" writes the device's clock (weekday and time of day) and
// closes; "Receive" asks for the clock, and a reply, whenever it comes, updates the weekday
// list and the time picker. No timers and no time-out. Outcomes: Completed with the weekday
// and time sent or read; LineError for a reply that gives no time (with the weekday when it
// names one).
class ClockSession {
public:
    static constexpr int kReplyFieldCount = 9; // "T", "!", day code, six digits

    explicit ClockSession(ClockHost &host);

    // weekdayPosition: 0 = Sunday .. 6 = Saturday. Writes the 10-byte set-clock frame and
    // closes the dialog with OK. Nothing happens for a position or time that is out of range.
    void send(int weekdayPosition, int hour, int minute, int second);
    // Writes the clock request; the operator may ask again at any time. What arrived before
    // it answers nothing.
    void receive();
    void received(const QByteArray &chunk);

    static QByteArray setClockFrame(int weekdayPosition, int hour, int minute, int second);

private:
    void parseReply(const QByteArray &reply);

    ClockHost &m_host;
    ReceiveRing m_ring;
};
