#pragma once

#include "document/ListPlace.h"

#include <functional>
#include <memory>
#include <QList>
#include <QStringList>
#include <QTableView>

class CTavrinDoc;
class DayStep;
class Messages;
class WeeklySchedule;
class QAction;
class QMenu;
class ScheduleItemModel;
class ScheduleList;
class TableListControl;

// The schedule list: the events of the document's shown weekday or day program, edited in
// place. The list is a view of the document (CTavrinDoc): it holds no entries, and every change
// it makes is one of the document's commands, one step of its history.
//
//  - StoreList() commits an open cell edit as Enter would (or closes it when its text is
//    refused) and lets the shown day take the stored form of what the list shows. Call it
//    before Download and before saving (weekday switches, Delete, Cut, Paste and the re-sort do
//    it themselves).
//  - reloadShownDay() shows the shown day afresh (closes the cell editor, drops an uncommitted
//    edit). The list follows New, Open, undo and redo by itself; a dialog that writes a week
//    goes through changeWeekThrough, which makes its change one step.
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
    CTavrinView(CTavrinDoc &doc, Messages &messages, QWidget *parent = nullptr);
    ~CTavrinView() override;

    CTavrinDoc &document() { return m_doc; }
    const WeeklySchedule &schedule() const;
    // Undo and Redo, their texts naming the step ("&Undo Delete 3 Rows"), disabled when there is
    // nothing to undo or redo; Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z.
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }
    // A dialog that writes a week: the list is stored first, the dialog writes a copy of the
    // week, and when it returns true the list is rebuilt for the day the copy shows and whatever
    // days changed become one step named stepText (with the weekdays when nameDays).
    void changeWeekThrough(const QString &stepText, bool nameDays, const std::function<bool(WeeklySchedule &)> &dialog);
    // A command made at a store point (program and calendar edits). False when nothing changed.
    bool perform(std::unique_ptr<DayStep> step);
    int shownDay() const;
    // False while the shown day takes no entries ("No bells").
    bool canEdit() const;
    void StoreList();
    void reloadShownDay();

    // The shown rows as on screen, ten texts each (ID .. ch4), for printing.
    int shownRowCount() const;
    QStringList rowTexts(int row) const;
    QList<QStringList> shownRows() const;

    // The context menu: Undo, Redo, Cut, Copy, Paste, Select All, Insert, Modify, Choose Sound,
    // Delete, Auto Set, each
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
    // Pops up at the current row's Selection the named sounds of the row's kind; choosing one
    // makes it the row's Selection, one step ("Choose Sound").
    void chooseSound();

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
    void followPalette();
    void setUpHistory();
    // "Schedule of Monday": the name a screen reader gives the list follows the shown day.
    void followAccessibleName();
    // Makes index the current cell without touching the selection, and scrolls to it.
    void moveFrame(const QModelIndex &index);

    CTavrinDoc &m_doc;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    Messages &m_messages;
    ScheduleItemModel *m_model;
    std::unique_ptr<TableListControl> m_control;
    std::unique_ptr<ScheduleList> m_core;
    bool m_forwardingKey = false;
    bool m_movingFrame = false;
};
