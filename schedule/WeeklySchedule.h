#pragma once

#include "schedule/DaySchedule.h"

#include <array>

// The seven weekdays (1 = Monday .. 7 = Sunday), the day the list shows, and WorkingDay,
// the working copy of the shown day through which the list is filled and stored.
class WeeklySchedule {
public:
    WeeklySchedule() = default;
    WeeklySchedule(const WeeklySchedule &) = delete;
    WeeklySchedule &operator=(const WeeklySchedule &) = delete;

    // Day 1..7; any other number is clamped into that range.
    DaySchedule &day(int dayNumber);
    const DaySchedule &day(int dayNumber) const;

    int shownDay() const { return m_shownDay; }
    // False (and nothing changes) for a number outside 1..7.
    bool setShownDay(int dayNumber);

    DaySchedule WorkingDay;

    // Copies the shown day, every position and its count, into WorkingDay.
    void LoadWorkingDay();

    // Copies position p of WorkingDay into the shown day and gives the shown day
    // WorkingDay's count.
    void StoreWorkingEntry(int position);

    // Every day's count becomes 0.
    void ClearAllDays();

    // The rule every writer of decoded or generated entries follows: writing entry k of day d
    // makes d the shown day, sets WorkingDay's and day d's counts to k and puts the entry at
    // position k. k = 0 with an empty entry leaves the day empty. Refused (false, nothing
    // changed) when d is not a weekday or k lies outside 0..capacity.
    bool WriteEntry(int dayNumber, int k, const ScheduleEntry &entry);

    // Day-by-day copy of another week (shown day and WorkingDay included).
    void copyFrom(const WeeklySchedule &other);

    // The seven days hold the same entries (the shown day and WorkingDay aside).
    bool sameDays(const WeeklySchedule &other) const;

private:
    static int clampDay(int dayNumber);

    std::array<DaySchedule, 7> m_days;
    int m_shownDay = 1;
};
