#include "schedule/DayEdit.h"

#include <algorithm>

DayEdit::DayEdit(int dayNumber, const std::vector<ScheduleEntry> &before, const std::vector<ScheduleEntry> &after)
    : m_day(dayNumber)
{
    const size_t shorter = std::min(before.size(), after.size());
    size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    m_prefix = int(prefix);
    m_before.assign(before.begin() + long(prefix), before.end() - long(suffix));
    m_after.assign(after.begin() + long(prefix), after.end() - long(suffix));
}

void DayEdit::replace(DaySchedule &day, const std::vector<ScheduleEntry> &from,
                      const std::vector<ScheduleEntry> &to) const
{
    // A day that no longer has the expected length (it was written outside the history) still
    // takes the change where it can, never beyond its count.
    const int first = std::min(m_prefix + 1, day.count() + 1);
    const int removed = std::min(int(from.size()), day.count() + 1 - first);
    day.replaceRange(first, removed, to);
}
