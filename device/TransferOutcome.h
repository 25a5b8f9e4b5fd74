#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// Which exchange with the device an outcome belongs to.
enum class TransferExchange { Download, Upload, Clock };

// How an exchange, or one weekday of it, ended.
enum class TransferEnd { Completed, Refused, NoResponse, LineError, Cancelled, PortFailed };

// Why a completed reply gave no clock reading.
enum class ClockReplyFault {
    NotAClockReply, // no "T!" in it
    NotDigits, // the six time characters are not all digits
    OutOfRange, // digits, but no time of day (hour 25)
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const ClockTime &) const = default;
};

// What a session reports to its host; the host chooses what the operator sees.
struct TransferOutcome {
    TransferExchange exchange = TransferExchange::Download;
    TransferEnd end = TransferEnd::Completed;
    // Refused: the day code the device refused.
    char refusedCode = 0;
    // Upload: the weekday a line error left as it was.
    int day = 0;
    // Upload, Completed: the weekdays whose image failed the line check and were not taken.
    std::vector<int> lineErrorDays;
    // Upload: the weekdays that came back and were stored, in order. Download: the weekdays
    // sent, in order, the last one perhaps unanswered when the exchange failed.
    std::vector<int> weekdays;
    // Download: the blank images went out under all eight codes (ALL Clear).
    bool allClear = false;
    // Clock: the weekday (list position 0 = Sunday .. 6 = Saturday) and time read or sent;
    // a reply may name a weekday and give no usable time.
    std::optional<int> weekdayPosition;
    std::optional<ClockTime> clock;
    // Clock, LineError: why the reply gave no time, and what arrived, up to its 0xFF.
    ClockReplyFault clockFault = ClockReplyFault::NotAClockReply;
    QByteArray reply;
};

// Download: the weekdays the device took. Every weekday sent when the exchange completed;
// otherwise all but the last one sent, which the device refused or did not answer.
inline std::vector<int> acceptedWeekdays(const TransferOutcome &outcome)
{
    std::vector<int> accepted = outcome.weekdays;
    if (outcome.end != TransferEnd::Completed && !accepted.empty())
        accepted.pop_back();
    return accepted;
}
