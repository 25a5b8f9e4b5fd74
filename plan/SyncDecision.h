#pragma once

#include <vector>

class DeviceHoldings;
class PlannedWeek;

// The weekdays whose planned image the device does not hold, or may not hold, Monday first:
// all seven when the journal tells nothing.
std::vector<int> weekdaysToSend(const PlannedWeek &plan, const DeviceHoldings &held);

enum class TomorrowState { UpToDate, NotUpToDate, Unknown };

// Whether the device holds, for the weekday of the day after the plan's start, the image that
// date plays (plan from today: tomorrow).
TomorrowState tomorrowState(const PlannedWeek &plan, const DeviceHoldings &held);
