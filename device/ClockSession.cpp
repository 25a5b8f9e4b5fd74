#include "device/ClockSession.h"

#include "device/RingReply.h"

namespace {
constexpr char kStart = 0x54; // "T"
constexpr char kTerminator = char(0xFF);

void appendTwoDigits(QByteArray &frame, int v)
{
    frame.append(char('0' + v / 10)).append(char('0' + v % 10));
}

int digit(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : 0;
}
} // namespace

ClockSession::ClockSession(ClockHost &host) : m_host(host)
{
}

QByteArray ClockSession::setClockFrame(int weekdayPosition, int hour, int minute, int second)
{
    QByteArray frame;
    if (weekdayPosition < 0 || weekdayPosition > 6 || hour < 0 || hour > 23 || minute < 0 || minute > 59
        || second < 0 || second > 59)
        return frame;
    frame.append(kStart).append('$').append(char('A' + weekdayPosition));
    appendTwoDigits(frame, hour);
    appendTwoDigits(frame, minute);
    appendTwoDigits(frame, second);
    frame.append(kTerminator);
    return frame;
}

void ClockSession::send(int weekdayPosition, int hour, int minute, int second)
{
    const QByteArray frame = setClockFrame(weekdayPosition, hour, minute, second);
    if (frame.isEmpty())
        return;
    m_host.writeFrame(frame);
    m_host.closeDialog(SessionHost::Result::Ok);
}

void ClockSession::receive()
{
    QByteArray frame;
    frame.append(kStart).append('!').append('H').append(kTerminator);
    m_host.writeFrame(frame);
}

void ClockSession::received(const QByteArray &chunk)
{
    if (appendChunk(m_ring, chunk))
        parseReply(ringReply(m_ring));
}

void ClockSession::parseReply(const QByteArray &reply)
{
    // A reply too short to hold the weekday and six digits before its terminator is not read.
    const int end = reply.indexOf(kTerminator);
    if (end < kReplyFieldCount)
        return;
    if (reply[0] != kStart || reply[1] != '!')
        return;
    const char code = reply[2];
    if (code >= 'A' && code <= 'G')
        m_host.selectWeekday(code - 'A');
    const int hour = 10 * digit(reply[3]) + digit(reply[4]);
    const int minute = 10 * digit(reply[5]) + digit(reply[6]);
    const int second = 10 * digit(reply[7]) + digit(reply[8]);
    if (hour < 24 && minute < 60 && second < 60)
        m_host.setTimeOfDay(hour, minute, second);
}
