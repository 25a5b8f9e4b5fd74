#pragma once

#include "schedule/DayEdit.h"
#include "schedule/ListPlace.h"
#include "schedule/ProgramCalendar.h"
#include "schedule/ScheduleEntry.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <vector>

class WeeklySchedule;

// The one path every change of the week takes. A change replaces some days' entries (weekdays
// and day programs; "No bells" stays empty), and may replace the programs and the calendar, and
// becomes one step of the undo history; undo and redo write the days back, show the day the
// step was made on, and hand the list's place to the listener so it can rebuild its rows.
// The document is modified exactly when the history is away from its clean point (New, Open
// and a successful Save).
class WeekEditor : public QObject {
    Q_OBJECT
public:
    struct DayChange {
        int day;
        std::vector<ScheduleEntry> before;
        std::vector<ScheduleEntry> after;
    };

    explicit WeekEditor(WeeklySchedule &week, QObject *parent = nullptr);
    ~WeekEditor() override;

    WeeklySchedule &week() { return m_week; }
    const QUndoStack &history() const { return m_stack; }

    // One step named text: the programs and calendar become special (when given), each day
    // takes its after entries, the shown day becomes placeAfter's. False, and no step, when
    // nothing changes.
    bool change(const QString &text, std::vector<DayChange> days, const ListPlace &placeBefore,
                const ListPlace &placeAfter, const std::optional<ProgramCalendar> &special = std::nullopt);
    // The days of the week that differ from before, as one step (a dialog that wrote the week
    // itself). With nameDays the text gains the days: "Auto Set (Sunday)", "Auto Set (Exam day)".
    bool changeFrom(const WeeklySchedule &before, const QString &text, bool nameDays, const ListPlace &placeBefore,
                    const ListPlace &placeAfter);

    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    QString undoText() const { return m_stack.undoText(); }
    QString redoText() const { return m_stack.redoText(); }
    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }

    // The week was replaced (New, Open): no way back, and nothing unsaved.
    void clear() { m_stack.clear(); }
    // The week was saved.
    void setClean() { m_stack.setClean(); }
    bool isModified() const { return !m_stack.isClean(); }

    // Entries the history holds, for measuring its cost.
    size_t heldEntries() const;

    // Called after undo or redo has written the week and made place.day the shown day.
    std::function<void(const ListPlace &)> onRestored;

signals:
    void modifiedChanged(bool modified);
    // Undo or redo text or availability changed.
    void historyChanged();

private:
    friend class WeekStep;
    void restore(const std::vector<DayEdit> &edits, const std::optional<ProgramCalendar> &special, bool after,
                 const ListPlace &place);

    WeeklySchedule &m_week;
    QUndoStack m_stack;
};
