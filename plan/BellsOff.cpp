#include "plan/BellsOff.h"

#include "device/DayImage.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"

const char *const kBellsOffNote = "Bells off";

CalendarEntry bellsOffEntry(const QDate &today, const QDate &until)
{
    return {today, until.isValid() && until > today ? until : today, kNoBellsDay, QString::fromLatin1(kBellsOffNote)};
}

int bellsOffEntryToday(const ProgramCalendar &special, const QDate &today)
{
    const int index = special.entryFor(today);
    if (index < 0)
        return -1;
    const CalendarEntry &entry = special.calendar[size_t(index)];
    return entry.program == kNoBellsDay && entry.note == QLatin1String(kBellsOffNote) ? index : -1;
}

std::vector<int> silentWeekdays(const PlannedWeek &plan, const DeviceHoldings &held)
{
    const DayImage blank;
    std::vector<int> silent;
    for (int d = 1; d <= 7; ++d) {
        const auto &image = held.image(d);
        if (image && image->bytes() == blank.bytes() && plan.image(d).bytes() != blank.bytes())
            silent.push_back(d);
    }
    return silent;
}
