#include "plan/SyncDecision.h"

#include "device/WeekComparison.h"
#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"

namespace {

// Compared as the device plays them: leftover bits in an empty minute are no difference.
TomorrowState stateOf(const PlannedWeek &plan, const DeviceHoldings &held, int weekday)
{
    const std::optional<DayImage> &image = held.image(weekday);
    if (!image)
        return TomorrowState::Unknown;
    return compareDay(weekday, plan.image(weekday), *image).same() ? TomorrowState::UpToDate
                                                                   : TomorrowState::NotUpToDate;
}

} // namespace

std::vector<int> weekdaysToSend(const PlannedWeek &plan, const DeviceHoldings &held)
{
    std::vector<int> days;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        if (stateOf(plan, held, weekday) != TomorrowState::UpToDate)
            days.push_back(weekday);
    }
    return days;
}

TomorrowState tomorrowState(const PlannedWeek &plan, const DeviceHoldings &held)
{
    return stateOf(plan, held, plan.start().addDays(1).dayOfWeek());
}
