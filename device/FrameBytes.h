#pragma once

#include "schedule/Weekday.h"

#include <QByteArray>

// The bytes of the device's frames, as the program writes and reads them: "T", a command
// character, a day code, a body, 0xFF. (The device emulator reads them on its own, as the
// device would.)
namespace FrameBytes {
constexpr char kStart = 0x54; // "T"
constexpr char kEnd = char(0xFF);

constexpr char kImage = '#'; // a weekday's image for the device
constexpr char kAck = '\''; // the device took the image
constexpr char kRefusal = '%'; // the device refused it
constexpr char kRequest = '!'; // asks for an image or the clock; also the reply's command
constexpr char kSetClock = '$'; // sets the clock

// Day codes: 'A' = Sunday .. 'G' = Saturday, then 'H', the eighth image (see Weekday.h).
constexpr char kFirstDayCode = 'A';
constexpr char kLastWeekdayCode = 'G';
constexpr char kLastDayCode = kNoWeekdayCode;
// The clock is asked for under the eighth code.
constexpr char kClockCode = kNoWeekdayCode;

// Where the day code stands: after "T" and the command.
constexpr qsizetype kCodeAt = 2;

// "T", command, code, 0xFF.
inline QByteArray shortFrame(char command, char code)
{
    QByteArray f;
    f.append(kStart).append(command).append(code).append(kEnd);
    return f;
}

// The frame's day code; 0 when it is too short to hold one.
inline char codeOf(const QByteArray &frame)
{
    return frame.size() > kCodeAt ? frame.at(kCodeAt) : 0;
}
} // namespace FrameBytes
