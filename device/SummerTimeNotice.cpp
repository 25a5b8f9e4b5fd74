#include "device/SummerTimeNotice.h"

#include <QLocale>

std::optional<OffsetChange> upcomingOffsetChange(const QTimeZone &zone, const QDateTime &now, int days)
{
    if (!zone.isValid() || !zone.hasTransitions())
        return std::nullopt;
    const QTimeZone::OffsetData next = zone.nextTransition(now);
    if (!next.atUtc.isValid() || next.atUtc > now.addDays(days))
        return std::nullopt;
    const int before = zone.offsetFromUtc(next.atUtc.addSecs(-1));
    if (before == next.offsetFromUtc)
        return std::nullopt;
    OffsetChange change;
    change.summerTimeStarts = next.offsetFromUtc > before;
    // The wall clock as it reads up to the jump: 03:00 when summer time ends, 02:00 when it starts.
    change.wallClock = next.atUtc.toOffsetFromUtc(before);
    return change;
}

std::string summerTimeNotice(const OffsetChange &change)
{
    // Names in English whatever this computer's language, like every other text of the program.
    const QLocale english = QLocale::c();
    const QString when = english.toString(change.wallClock.date(), QStringLiteral("dddd d MMMM"))
        + QStringLiteral(" at ") + english.toString(change.wallClock.time(), QStringLiteral("HH:mm"));
    return "Summer time " + std::string(change.summerTimeStarts ? "starts" : "ends") + " on " + when.toStdString()
        + ": set the device's clock after that";
}
