#pragma once

#include <vector>

class WeeklySchedule;

// The days the Auto Setup list offers, in its order: the weekdays Sunday first (as
// AutoSetupLists::kDays), then the schedule's day programs in their order, "No bells" left out
// since it takes no entries.
std::vector<int> autoSetupDays(const WeeklySchedule &week);

// The day at a list position; Sunday for a position the list does not have.
int autoSetupDayAt(const WeeklySchedule &week, int position);
