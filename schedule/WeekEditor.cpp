#include "schedule/WeekEditor.h"

#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QStringList>
#include <QUndoCommand>

// One step: the trimmed edits of its days, the programs and calendar on either side when the
// step changed them, and the list's place on either side.
class WeekStep : public QUndoCommand {
public:
    WeekStep(WeekEditor &editor, const QString &text, std::vector<DayEdit> edits,
             std::optional<ProgramCalendar> specialBefore, std::optional<ProgramCalendar> specialAfter,
             const ListPlace &before, const ListPlace &after)
        : QUndoCommand(text)
        , m_editor(editor)
        , m_edits(std::move(edits))
        , m_specialBefore(std::move(specialBefore))
        , m_specialAfter(std::move(specialAfter))
        , m_before(before)
        , m_after(after)
    {
    }

    void undo() override { m_editor.restore(m_edits, m_specialBefore, false, m_before); }
    void redo() override
    {
        // Pushing redoes the step, which the week already holds.
        if (m_pushed)
            m_editor.restore(m_edits, m_specialAfter, true, m_after);
        m_pushed = true;
    }

    size_t heldEntries() const
    {
        size_t n = 0;
        for (const DayEdit &e : m_edits)
            n += e.heldEntries();
        return n;
    }

private:
    WeekEditor &m_editor;
    std::vector<DayEdit> m_edits;
    std::optional<ProgramCalendar> m_specialBefore;
    std::optional<ProgramCalendar> m_specialAfter;
    ListPlace m_before;
    ListPlace m_after;
    bool m_pushed = false;
};

WeekEditor::WeekEditor(WeeklySchedule &week, QObject *parent)
    : QObject(parent)
    , m_week(week)
{
    // Every step announces the state, not only a crossing of the clean point: whoever follows
    // it may have been told otherwise in between.
    auto announce = [this] { emit modifiedChanged(!m_stack.isClean()); };
    connect(&m_stack, &QUndoStack::cleanChanged, this, announce);
    connect(&m_stack, &QUndoStack::indexChanged, this, announce);
    connect(&m_stack, &QUndoStack::indexChanged, this, &WeekEditor::historyChanged);
    connect(&m_stack, &QUndoStack::canUndoChanged, this, &WeekEditor::historyChanged);
    connect(&m_stack, &QUndoStack::canRedoChanged, this, &WeekEditor::historyChanged);
}

WeekEditor::~WeekEditor()
{
    // The steps refer back to this editor: drop them while it is whole.
    m_stack.blockSignals(true);
    m_stack.clear();
}

bool WeekEditor::change(const QString &text, std::vector<DayChange> days, const ListPlace &placeBefore,
                        const ListPlace &placeAfter, const std::optional<ProgramCalendar> &special)
{
    std::optional<ProgramCalendar> specialBefore;
    if (special && *special != m_week.programCalendar())
        specialBefore = m_week.programCalendar();
    // A day may change when it is editable on either side of the step: a program's entries go
    // with it when it is deleted, and come with it when it is made.
    auto editable = [&](int day) {
        return day != kNoBellsDay
            && (isWeekday(day) || m_week.programCalendar().program(day) || (special && special->program(day)));
    };
    std::vector<DayEdit> edits;
    for (DayChange &d : days) {
        if (!editable(d.day))
            continue;
        DayEdit edit(d.day, d.before, d.after);
        if (edit.changesNothing())
            continue;
        DaySchedule &target = m_week.day(d.day);
        target.clear();
        for (const ScheduleEntry &e : d.after)
            target.append(e);
        edits.push_back(std::move(edit));
    }
    if (edits.empty() && !specialBefore)
        return false;
    std::optional<ProgramCalendar> specialAfter;
    if (specialBefore) {
        specialAfter = *special;
        m_week.setProgramCalendar(*special);
    }
    if (m_week.setShownDay(placeAfter.day) || !m_week.hasDay(m_week.shownDay()))
        m_week.LoadWorkingDay();
    m_stack.push(new WeekStep(*this, text, std::move(edits), std::move(specialBefore), std::move(specialAfter),
                              placeBefore, placeAfter));
    return true;
}

bool WeekEditor::changeFrom(const WeeklySchedule &before, const QString &text, bool nameDays,
                            const ListPlace &placeBefore, const ListPlace &placeAfter)
{
    std::vector<DayChange> days;
    QStringList names;
    for (int d : m_week.allDays()) {
        if (before.day(d).sameEntries(m_week.day(d)))
            continue;
        days.push_back({d, before.day(d).entries(), m_week.day(d).entries()});
        names << m_week.dayTitle(d);
    }
    const QString named =
        nameDays && !names.isEmpty() ? QStringLiteral("%1 (%2)").arg(text, names.join(QStringLiteral(", "))) : text;
    return change(named, std::move(days), placeBefore, placeAfter);
}

void WeekEditor::restore(const std::vector<DayEdit> &edits, const std::optional<ProgramCalendar> &special, bool after,
                         const ListPlace &place)
{
    if (special)
        m_week.setProgramCalendar(*special);
    for (const DayEdit &e : edits) {
        DaySchedule &day = m_week.day(e.dayNumber());
        after ? e.applyAfter(day) : e.applyBefore(day);
    }
    ListPlace shown = place;
    if (!m_week.setShownDay(place.day)) // the place's program is gone with this step
        shown = ListPlace{m_week.shownDay(), {}, -1, -1};
    m_week.LoadWorkingDay();
    if (onRestored)
        onRestored(shown);
}

size_t WeekEditor::heldEntries() const
{
    size_t n = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        n += static_cast<const WeekStep *>(m_stack.command(i))->heldEntries();
    return n;
}
