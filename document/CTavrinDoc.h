#pragma once

#include "document/ListPlace.h"
#include "schedule/FileOutcome.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <memory>

class DayStep;

// The document: the week with its day programs and calendar, the day the list shows, the undo
// history, the file the week came from with its title, and whether the week has changed since
// the last New, Open or Save. The list, the window and tavrin-cli all work through it.
//
// Every change of the week is a named command (document/commands/) performed here: it becomes
// one step of the history, and its redo() makes the change. The week is modified exactly when
// the history is away from its clean point.
//
// Whenever the shown day's entries may look different (a step done, undone or redone, another
// day shown, a file loaded), shownDayReplaced says where the operator is to be afterwards.
class CTavrinDoc : public QObject {
    Q_OBJECT
public:
    static constexpr const char *kWindowTitle = "  Tavrin (Program Timer)";

    explicit CTavrinDoc(const QString &templateDirectory = QString(), QObject *parent = nullptr);
    ~CTavrinDoc() override;

    const WeeklySchedule &week() const { return m_week; }
    int shownDay() const { return m_week.shownDay(); }
    // The entries of the shown day ("No bells" holds none).
    const DaySchedule &shownEntries() const { return m_week.day(m_week.shownDay()); }
    // False while the shown day takes no entries ("No bells").
    bool canEdit() const { return m_week.isEditableDay(m_week.shownDay()); }
    // Shows another weekday or program; not a change of the week. False for a number that is
    // neither.
    bool showDay(int dayNumber);

    // A store point: the shown day takes the stored form of what the list shows (a Time's
    // date drops, channels become "1"/"0"). Not a step of the history.
    void storeShownRows();

    // --- changes ---
    // Does the command as one step; false (and no step) when it changes nothing.
    bool perform(std::unique_ptr<DayStep> step);
    const QUndoStack &history() const { return m_history; }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    QString undoText() const { return m_history.undoText(); }
    QString redoText() const { return m_history.redoText(); }
    void undo() { m_history.undo(); }
    void redo() { m_history.redo(); }
    // Entries the history holds, for measuring its cost.
    size_t heldEntries() const;

    // --- the file ---
    // New, Open and Save as ScheduleFiles does them; a successful New or Open replaces the
    // week, clears the history and shows Monday; a successful Save marks the week saved.
    FileOutcome newSchedule();
    FileOutcome open(const QString &path);
    FileOutcome save(const QString &path, SaveConsent consent = {});
    const DatabaseLocation &location() const { return m_files.location(); }
    QString templatePath() const { return m_files.templatePath(); }
    ScheduleStore &store() { return m_files.store(); }
    // Empties every day (New and Open before loading, and a start without a template).
    void clearAllDays();
    // A week read from elsewhere (a CSV file) takes the place of this one, shown day included,
    // as Open does: no way back, and nothing unsaved.
    void replaceWeek(const WeeklySchedule &week);

    // "Untitled" or the file's name.
    QString title() const { return m_files.title(); }
    bool isModified() const { return !m_history.isClean(); }
    // The week is as saved here (Save through the document marks it itself).
    void setClean() { m_history.setClean(); }
    // "Untitled -   Tavrin (Program Timer)"
    QString frameTitle() const;
    // The frame title with Qt's modified marker after the document title: "Untitled[*] - ...".
    QString windowTitle() const;

signals:
    void shownDayReplaced(const ListPlace &place);
    void titleChanged(const QString &frameTitle);
    void modifiedChanged(bool modified);
    // Undo or redo text or availability changed.
    void historyChanged();

private:
    friend class DayStep;
    // The week for the steps to change: only they write it.
    WeeklySchedule &weekForSteps() { return m_week; }
    void stepApplied(const ListPlace &place);
    FileOutcome replaced(const FileOutcome &outcome);

    WeeklySchedule m_week;
    ScheduleFiles m_files;
    QUndoStack m_history;
};
