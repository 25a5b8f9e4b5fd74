#pragma once

#include "document/ListPlace.h"
#include "schedule/DayEdit.h"
#include "schedule/ProgramCalendar.h"
#include "schedule/ScheduleEntry.h"
#include "schedule/SoundNames.h"

#include <QUndoCommand>

#include <optional>
#include <vector>

class CTavrinDoc;
class WeeklySchedule;

// What every command of the document is: some days take new entries (weekdays and day programs;
// "No bells" stays empty), the programs and the calendar may change, and the operator's place
// in the list is known on either side. A command works out its change when it is made, from
// the document as it then stands; redo() makes it and undo() takes it back. Only the differing
// middle of each day is held (DayEdit). The sounds' names may change too.
class DayStep : public QUndoCommand {
public:
    ~DayStep() override = default;

    bool changesNothing() const { return m_edits.empty() && !m_specialBefore && !m_namesBefore; }
    size_t heldEntries() const;

    void redo() override;
    void undo() override;

protected:
    DayStep(CTavrinDoc &doc, const QString &text, const ListPlace &before);

    const WeeklySchedule &week() const;
    // Day d is to hold after (a day that takes no entries on either side is left alone).
    void changeDay(int day, const std::vector<ScheduleEntry> &after);
    // The programs and calendar are to become special.
    void changeProgramCalendar(const ProgramCalendar &special);
    // The sounds' names are to become names.
    void changeSoundNames(const SoundNames &names);
    void setPlaceAfter(const ListPlace &after) { m_after = after; }
    const ListPlace &placeBefore() const { return m_before; }

private:
    void apply(bool after);

    CTavrinDoc &m_doc;
    std::vector<DayEdit> m_edits;
    std::optional<ProgramCalendar> m_specialBefore;
    std::optional<ProgramCalendar> m_specialAfter;
    std::optional<SoundNames> m_namesBefore;
    std::optional<SoundNames> m_namesAfter;
    ListPlace m_before;
    ListPlace m_after;
};
