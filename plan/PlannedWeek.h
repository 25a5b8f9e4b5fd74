#pragma once

#include "device/DayImage.h"
#include "journal/JournalEntry.h"
#include "plan/PlannedDay.h"

#include <QDate>

#include <array>
#include <vector>

class WeeklySchedule;

// What each weekday's image must be for the seven dates start .. start+6: the device repeats
// its weekday images, so the date of the week ahead that falls on weekday d decides image d.
class PlannedWeek {
public:
    PlannedWeek(const WeeklySchedule &week, const QDate &start);

    const QDate &start() const { return m_start; }
    // Weekday 1 = Monday .. 7 = Sunday.
    const PlannedDay &day(int weekday) const { return m_days[index(weekday)]; }
    // The image as a Download sends it.
    const DayImage &image(int weekday) const { return m_images[index(weekday)]; }
    const WeekdayImages &images() const { return m_images; }

    // Weekday d of `into` gets the entries of its date's effective schedule: the week Download
    // must send instead of the regular one. Only the seven weekdays of `into` change.
    void fillWeekdays(const WeeklySchedule &week, WeeklySchedule &into) const;

    // The schedule each weekday's planned image carries, as the journal records a send of it.
    CarriedSchedules carried() const;
    // Those of `weekdays` whose date in the week ahead plays a day program, in the given order.
    std::vector<PlannedDay> programDays(const std::vector<int> &weekdays) const;

private:
    static size_t index(int weekday) { return size_t(weekday - 1) % 7; }

    QDate m_start;
    std::array<PlannedDay, 7> m_days;
    WeekdayImages m_images;
};
