#include "document/commands/DayStep.h"

#include "document/CTavrinDoc.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

DayStep::DayStep(CTavrinDoc &doc, const QString &text, const ListPlace &before)
    : QUndoCommand(text)
    , m_doc(doc)
    , m_before(before)
    , m_after(before)
{
}

const WeeklySchedule &DayStep::week() const
{
    return m_doc.week();
}

void DayStep::changeDay(int day, const std::vector<ScheduleEntry> &after)
{
    // A day may change when it takes entries on either side of the step: a program's entries
    // go with it when it is deleted, and come with it when it is made.
    const ProgramCalendar &special = m_specialAfter ? *m_specialAfter : week().programCalendar();
    const bool editable =
        day != kNoBellsDay && (isWeekday(day) || week().programCalendar().program(day) || special.program(day));
    if (!editable)
        return;
    DayEdit edit(day, week().day(day).entries(), after);
    if (!edit.changesNothing())
        m_edits.push_back(std::move(edit));
}

void DayStep::changeProgramCalendar(const ProgramCalendar &special)
{
    if (special == week().programCalendar())
        return;
    m_specialBefore = week().programCalendar();
    m_specialAfter = special;
}

void DayStep::changeSoundNames(const SoundNames &names)
{
    if (names == week().soundNames())
        return;
    m_namesBefore = week().soundNames();
    m_namesAfter = names;
}

size_t DayStep::heldEntries() const
{
    size_t n = 0;
    for (const DayEdit &e : m_edits)
        n += e.heldEntries();
    return n;
}

void DayStep::redo()
{
    apply(true);
}

void DayStep::undo()
{
    apply(false);
}

void DayStep::apply(bool after)
{
    WeeklySchedule &week = m_doc.weekForSteps();
    if (const auto &special = after ? m_specialAfter : m_specialBefore)
        week.setProgramCalendar(*special);
    if (const auto &names = after ? m_namesAfter : m_namesBefore)
        week.setSoundNames(*names);
    for (const DayEdit &e : m_edits) {
        DaySchedule &day = week.day(e.dayNumber());
        after ? e.applyAfter(day) : e.applyBefore(day);
    }
    ListPlace place = after ? m_after : m_before;
    if (!week.setShownDay(place.day)) // the place's program is gone with this step
        place = ListPlace{week.shownDay(), {}, -1, -1};
    m_doc.stepApplied(place);
}
