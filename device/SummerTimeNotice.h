#pragma once

#include <QDateTime>
#include <QTimeZone>

#include <optional>
#include <string>

// A change of this computer's offset from UTC that lies ahead.
struct OffsetChange {
    bool summerTimeStarts = false; // the offset grows; otherwise summer time ends
    QDateTime wallClock; // the local time the clock shows when it jumps, before the jump
};

// The zone's next change of offset after now, when it comes within the given days.
std::optional<OffsetChange> upcomingOffsetChange(const QTimeZone &zone, const QDateTime &now, int days = 14);

// "Summer time ends on Sunday 25 October at 03:00: set the device's clock after that".
std::string summerTimeNotice(const OffsetChange &change);
