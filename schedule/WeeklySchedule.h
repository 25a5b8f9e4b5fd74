#pragma once

#include "schedule/DaySchedule.h"
#include "schedule/ProgramCalendar.h"
#include "schedule/SoundNames.h"

#include <QString>

#include <array>
#include <map>

// The seven weekdays (1 = Monday .. 7 = Sunday), the day programs and the calendar (day
// numbers kFirstProgramDay and up), the day the list shows, and WorkingDay, the working copy of
// the shown day through which the list is filled and stored.
class WeeklySchedule {
public:
    WeeklySchedule() = default;
    WeeklySchedule(const WeeklySchedule &) = delete;
    WeeklySchedule &operator=(const WeeklySchedule &) = delete;

    // A weekday 1..7 or a program's day number. A number below 1 reads as Monday; a number
    // above 7 that is no program reads as an empty day (and writes to it are kept nowhere
    // anyone looks).
    DaySchedule &day(int dayNumber);
    const DaySchedule &day(int dayNumber) const;

    // A weekday or an existing program.
    bool hasDay(int dayNumber) const;
    // A day whose entries may change: any of hasDay's but "No bells".
    bool isEditableDay(int dayNumber) const;
    // "Monday" .. "Sunday" or the program's name; empty for a number that is neither.
    QString dayTitle(int dayNumber) const;
    // The weekdays, then the programs in their order.
    std::vector<int> allDays() const;

    int shownDay() const { return m_shownDay; }
    // False (and nothing changes) for a number that is neither a weekday nor a program.
    bool setShownDay(int dayNumber);

    const ProgramCalendar &programCalendar() const { return m_special; }
    // Takes the programs and calendar; the entries of every day stay as they are. A program
    // left out keeps its entries where undo can find them; a shown program left out makes
    // Monday the shown day.
    void setProgramCalendar(const ProgramCalendar &special);
    // Above every program number this document has used.
    int nextProgramDay() const;

    // The sounds' names; the entries keep their numbers whatever the names are.
    const SoundNames &soundNames() const { return m_soundNames; }
    void setSoundNames(const SoundNames &names) { m_soundNames = names; }

    DaySchedule WorkingDay;

    // Copies the shown day, every position and its count, into WorkingDay.
    void LoadWorkingDay();

    // Copies position p of WorkingDay into the shown day and gives the shown day
    // WorkingDay's count.
    void StoreWorkingEntry(int position);

    // Every day's count becomes 0, the programs' included; the programs and the calendar stay.
    void ClearAllDays();

    // The rule every writer of decoded or generated entries follows: writing entry k of day d
    // makes d the shown day, sets WorkingDay's and day d's counts to k and puts the entry at
    // position k. k = 0 with an empty entry leaves the day empty. Refused (false, nothing
    // changed) when d takes no entries (see isEditableDay) or k lies outside 0..capacity.
    bool WriteEntry(int dayNumber, int k, const ScheduleEntry &entry);

    // Day-by-day copy of another week (programs, calendar, sounds' names, shown day and
    // WorkingDay included).
    void copyFrom(const WeeklySchedule &other);

    // The seven days and the programs hold the same entries and the calendar and the sounds'
    // names are the same (the shown day and WorkingDay aside).
    bool sameDays(const WeeklySchedule &other) const;

private:
    std::array<DaySchedule, 7> m_days;
    ProgramCalendar m_special;
    SoundNames m_soundNames;
    // Every program day this document has had, present or deleted, so undo finds its entries.
    std::map<int, DaySchedule> m_programDays;
    int m_shownDay = 1;
};
