#pragma once

#include "schedule/DaySchedule.h"

#include <vector>

// What one step did to one weekday, kept small: the entries both versions share at the
// start and at the end are not held, only the differing middle of each.
class DayEdit {
public:
    DayEdit(int dayNumber, const std::vector<ScheduleEntry> &before, const std::vector<ScheduleEntry> &after);

    int dayNumber() const { return m_day; }
    bool changesNothing() const { return m_before == m_after; }

    // The day, holding the one version, takes the other.
    void applyBefore(DaySchedule &day) const { replace(day, m_after, m_before); }
    void applyAfter(DaySchedule &day) const { replace(day, m_before, m_after); }

    // Entries held, for measuring what the history costs.
    size_t heldEntries() const { return m_before.size() + m_after.size(); }

private:
    void replace(DaySchedule &day, const std::vector<ScheduleEntry> &from, const std::vector<ScheduleEntry> &to) const;

    int m_day;
    int m_prefix = 0;
    std::vector<ScheduleEntry> m_before;
    std::vector<ScheduleEntry> m_after;
};
