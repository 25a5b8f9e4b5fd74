#include "SiteDeviceState.h"

#include "plan/DeviceHoldings.h"
#include "plan/PlannedWeek.h"

SiteDeviceState siteDeviceState(const std::vector<JournalEntry> &newestFirst, const PlannedWeek *plan)
{
    SiteDeviceState state;
    if (!newestFirst.empty()) {
        state.last = newestFirst.front();
        state.last->images.clear();
    }
    for (const JournalEntry &entry : newestFirst) {
        if (entry.clockOffsetSeconds) {
            state.clockOffsetSeconds = entry.clockOffsetSeconds;
            break;
        }
    }
    if (plan)
        state.tomorrow = tomorrowState(*plan, DeviceHoldings::fromJournal(newestFirst));
    return state;
}
