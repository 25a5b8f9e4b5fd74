#pragma once

#include "device/ReceiveRing.h"
#include "device/TransferHost.h"

#include <QByteArray>

// Why a completed reply gave no clock reading.
enum class ClockReplyFault {
    NotAClockReply, // no "T!" in it
    NotDigits,      // the six time characters are not all digits
    OutOfRange,     // digits, but no time of day (hour 25)
};

// What the Time Setting exchange asks of its dialog beyond writing and closing.
class ClockHost : public SessionHost {
public:
    // List position 0 = Sunday .. 6 = Saturday.
    virtual void selectWeekday(int position) = 0;
    virtual void setTimeOfDay(int hour, int minute, int second) = 0;
    // A reply arrived that gives no time; `reply` is what arrived, up to its 0xFF.
    virtual void clockReplyUnusable(ClockReplyFault fault, const QByteArray &reply)
    {
        (void)fault;
        (void)reply;
    }
};

// The Time Setting exchange: "Send" writes the device's clock (weekday and time of day) and
// closes; "Receive" asks for the clock, and a reply, whenever it comes, updates the weekday
// list and the time picker. No timers and no time-out.
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
