#include "device/ClockSession.h"

#include "device/FrameBytes.h"
#include "device/ReplyFrame.h"
#include "device/RingReply.h"

#include <algorithm>

using namespace FrameBytes;

namespace {

void appendTwoDigits(QByteArray &frame, int v)
{
    frame.append(char('0' + v / 10)).append(char('0' + v % 10));
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int twoDigits(const QByteArray &reply, int at)
{
    return 10 * (reply[at] - '0') + (reply[at + 1] - '0');
}
} // namespace

ClockSession::ClockSession(ClockHost &host)
    : m_host(host)
{
}

QByteArray ClockSession::setClockFrame(int weekdayPosition, int hour, int minute, int second)
{
    QByteArray frame;
    if (weekdayPosition < 0 || weekdayPosition > 6 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        return frame;
    frame.append(kStart).append(kSetClock).append(char(kFirstDayCode + weekdayPosition));
    appendTwoDigits(frame, hour);
    appendTwoDigits(frame, minute);
    appendTwoDigits(frame, second);
    frame.append(kEnd);
    return frame;
}

void ClockSession::send(int weekdayPosition, int hour, int minute, int second)
{
    const QByteArray frame = setClockFrame(weekdayPosition, hour, minute, second);
    if (frame.isEmpty())
        return;
    m_host.writeFrame(frame);
    TransferOutcome sent;
    sent.exchange = TransferExchange::Clock;
    sent.weekdayPosition = weekdayPosition;
    sent.clock = ClockTime{hour, minute, second};
    m_host.reportOutcome(sent, {});
    m_host.closeDialog(SessionHost::Result::Ok);
}

void ClockSession::receive()
{
    m_ring.reset();
    m_host.writeFrame(shortFrame(kRequest, kClockCode));
}

void ClockSession::received(const QByteArray &chunk)
{
    if (appendChunk(m_ring, chunk))
        parseReply(ringReply(m_ring));
}

void ClockSession::parseReply(const QByteArray &text)
{
    TransferOutcome read;
    read.exchange = TransferExchange::Clock;
    auto unusable = [&](ClockReplyFault fault, const QByteArray &reply) {
        read.end = TransferEnd::LineError;
        read.clockFault = fault;
        read.reply = reply;
        m_host.reportOutcome(read, {});
    };
    // Noise may stand before the reply; it starts at its first "T!".
    const QByteArray reply = ReplyFrame::fromFirstClockStart(text);
    if (reply.isEmpty())
        return unusable(ClockReplyFault::NotAClockReply, ReplyFrame::completed(text));
    // A reply too short to hold the weekday and six digits before its terminator is not read.
    if (reply.size() <= kReplyFieldCount || !std::all_of(reply.begin() + 3, reply.begin() + 9, isDigit))
        return unusable(ClockReplyFault::NotDigits, reply);
    const char code = reply[kCodeAt];
    if (code >= kFirstDayCode && code <= kLastWeekdayCode)
        read.weekdayPosition = code - kFirstDayCode;
    const int hour = twoDigits(reply, 3);
    const int minute = twoDigits(reply, 5);
    const int second = twoDigits(reply, 7);
    if (hour < 24 && minute < 60 && second < 60) {
        read.clock = ClockTime{hour, minute, second};
        m_host.reportOutcome(read, {});
    } else {
        unusable(ClockReplyFault::OutOfRange, reply);
    }
}
