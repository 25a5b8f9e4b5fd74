#pragma once

#include "schedule/ProgramCalendar.h"

#include <QObject>

#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QMenu;
class QWidget;

// Where the operator chooses a day program: the toolbar's "Day program" drop-down and the
// program items of Weekly > Special Days, radio items in the weekdays' own group. Both follow
// the shown day: a program shown is the drop-down's choice and the checked item (so no weekday
// is); a weekday shown puts the drop-down back on its placeholder.
class DayProgramChooser : public QObject {
    Q_OBJECT
public:
    // The program items go into menu before `before`; days is the weekdays' exclusive group.
    DayProgramChooser(QMenu *menu, QAction *before, QActionGroup *days, QWidget *parent);

    // "dayProgram", for the toolbar.
    QComboBox *box() const { return m_box; }

    // The programs of special, with shownDay marked when it is one of them.
    void follow(const ProgramCalendar &special, int shownDay);

signals:
    // The operator chose the program with this day number (also the one shown).
    void chosen(int day);

private:
    void rebuild(const std::vector<DayProgram> &programs);

    QComboBox *m_box;
    QMenu *m_menu;
    QAction *m_before;
    QActionGroup *m_days;
    std::vector<DayProgram> m_programs;
    std::vector<QAction *> m_items;
};
