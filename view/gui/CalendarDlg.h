#pragma once

#include "view/CalendarPage.h"

#include <QDialog>

class CalendarMonthView;
class CTavrinView;
class QAction;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// "Calendar": the month with the schedule each date plays, the calendar's entries in the order
// they win with Add, Edit and Delete, and for the chosen date the schedule's name and the
// events it plays. A window beside the main one: every change is one step of the list's
// history, and the window follows whatever the history does while it is open.
class CalendarDlg : public QDialog {
    Q_OBJECT
public:
    CalendarDlg(CTavrinView &view, QWidget *parent = nullptr);

    // A button under the entries for a command of the main window (Bells Off, Import
    // Holidays): pressed, it triggers the action.
    QPushButton *addCommandButton(QAction *action);

    // For tests.
    CalendarMonthView *monthView() const { return m_month; }
    QTableWidget *entryTable() const { return m_entries; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *editButton() const { return m_edit; }
    QPushButton *deleteButton() const { return m_delete; }
    QLabel *dateTitle() const { return m_dateTitle; }
    QListWidget *eventList() const { return m_events; }

public slots:
    // Everything shown again from the week.
    void refresh();

private:
    void showMonth();
    void showEntries();
    void showDate();
    void updateButtons();
    int selectedRow() const;

    void addEntry();
    void editEntry();
    void deleteEntry();
    // One step through the list's history; the entry at row is selected after it.
    void apply(const QString &stepText, const CalendarPage::Edit &edit, int row);

    CTavrinView &m_view;
    CalendarPage m_page;
    CalendarMonthView *m_month = nullptr;
    QTableWidget *m_entries = nullptr;
    QPushButton *m_add = nullptr;
    QHBoxLayout *m_commands = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
    QLabel *m_dateTitle = nullptr;
    QListWidget *m_events = nullptr;
};
