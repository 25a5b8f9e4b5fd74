#pragma once

#include "schedule/ListPlace.h"
#include "schedule/WeekEditor.h"
#include "schedule/WeeklySchedule.h"

#include <functional>
#include <memory>
#include <QList>
#include <QStringList>
#include <QTableView>

class Messages;
class QAction;
class QMenu;
class ScheduleItemModel;
class ScheduleList;
class TableListControl;

// The schedule list: the events of the shown weekday or day program, edited in place. The view owns the
// WeeklySchedule and its WeekEditor (the undo history every change passes) for the whole run;
// the application shell reaches the schedule only through this class.
//
// Every change of the list is written into the week at once, as one step of the history, so
// the store points find nothing left to write but an open cell edit:
//  - StoreList() writes the list into the schedule, committing an open cell edit first as
//    Enter would (or closing it when its text is refused). Call it before Download and before
//    saving the database (weekday switches, Delete, Cut, Paste and the re-sort do it
//    themselves).
//  - reloadShownDay() rebuilds the list from the schedule (closes the cell editor, drops an
//    uncommitted edit). Call it after New, Open and Save have changed the schedule; a dialog
//    that writes the week goes through changeWeekThrough instead, which reloads and records.
//  - ShowDay(d) stores the list, makes d (1 = Monday .. 7 = Sunday, or a program's day number)
//    the shown day and shows it. "No bells" shows empty and refuses every edit (canEdit()).
//
// Signals:
//  - scheduleChanged(): the operator changed the schedule (a cell toggle or edit, Insert,
//    Delete, Cut, Paste, the re-sort, Auto Setup, Upload, undo and redo), only when something
//    really changed. Store points and reloads themselves do not emit it, except for the open
//    edit a store point commits. The modified state follows the history (changes()), not this.
//
// Keys: arrows, Home/End, Ctrl+Home/End and Page Up/Down move the current cell and select its
// row (Shift extends the selection, Ctrl+arrow moves the frame alone and Ctrl+Space toggles
// its row, see view/ListMoves.h); Enter on it does what a double-click does, Space toggles a
// toggle cell. With the cell editor open every
// key is screened once by the editor (view/KeyScreen.h) and never handed back.
//  - shownDayChanged(d): the list has been rebuilt for day d (also when d did not change), for
//    the weekday check marks.
class CTavrinView : public QTableView {
    Q_OBJECT
public:
    explicit CTavrinView(Messages &messages, QWidget *parent = nullptr);
    ~CTavrinView() override;

    WeeklySchedule &schedule() { return m_week; }
    const WeeklySchedule &schedule() const { return m_week; }
    WeekEditor &changes() { return m_changes; }
    // Undo and Redo, their texts naming the step ("&Undo Delete 3 Rows"), disabled when there is
    // nothing to undo or redo; Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z.
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }
    // A dialog that writes the week itself: the list is stored first, dialog runs, and when it
    // returns true the list is rebuilt and whatever days changed become one step named
    // stepText (with the weekdays when nameDays).
    void changeWeekThrough(const QString &stepText, bool nameDays, const std::function<bool()> &dialog);
    int shownDay() const { return m_week.shownDay(); }
    // False while the shown day takes no entries ("No bells").
    bool canEdit() const;
    // A step that changes the programs or the calendar, made at a store point; afterwards the
    // list shows shownDay. False when nothing changed.
    bool changeProgramCalendar(const QString &text, std::vector<WeekEditor::DayChange> days,
                               const ProgramCalendar &special, int shownDay);

    void StoreList();
    void reloadShownDay();
    // Empties every day and the list (New and Open before loading).
    void clearAllDays();

    // The shown rows as on screen, ten texts each (ID .. ch4), for printing.
    int shownRowCount() const;
    QStringList rowTexts(int row) const;
    QList<QStringList> shownRows() const;

    // The context menu: Undo, Redo, Cut, Copy, Paste, Select All, Insert, Modify, Delete, Auto Set, each
    // action's data its command number. Owned by parent.
    QMenu *createContextMenu(QWidget *parent);

    // For tests and the shell: the editing core and the open cell editor (nullptr if none).
    ScheduleList &editing() { return *m_core; }
    QWidget *cellEditor() const;

public slots:
    void undo();
    void redo();
    void ShowDay(int dayNumber);
    void NormalizeDay();
    void editCut();
    void editCopy();
    void editPaste();
    void editSelectAll();
    void editInsert();
    void editModify();
    void editDelete();
    // Opens Auto Setup over the schedule; on OK the list is rebuilt from the schedule.
    void autoSet();

signals:
    void scheduleChanged();
    void shownDayChanged(int dayNumber);

protected:
    bool event(QEvent *e) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void updateEditorGeometries() override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    void setUpColumns();
    void setUpLook();
    void setUpHistory();
    // Makes index the current cell without touching the selection, and scrolls to it.
    void moveFrame(const QModelIndex &index);

    WeeklySchedule m_week;
    WeekEditor m_changes{m_week};
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    Messages &m_messages;
    ScheduleItemModel *m_model;
    std::unique_ptr<TableListControl> m_control;
    std::unique_ptr<ScheduleList> m_core;
    bool m_forwardingKey = false;
    bool m_movingFrame = false;
};
