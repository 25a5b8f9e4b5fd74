#pragma once

#include "schedule/ProgramCalendar.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// Add or edit one calendar entry: the first and last date, the program those dates play and a
// note. OK checks the entry and, when it is refused, says why and stays open.
class CalendarEntryDlg : public QDialog {
    Q_OBJECT
public:
    CalendarEntryDlg(QWidget *parent, const ProgramCalendar &special, const CalendarEntry &initial);

    CalendarEntry entry() const;

    void accept() override;

    // For tests.
    QDateEdit *firstEdit() const { return m_first; }
    QDateEdit *lastEdit() const { return m_last; }
    QComboBox *programBox() const { return m_program; }
    QLineEdit *noteEdit() const { return m_note; }
    QLabel *faultLabel() const { return m_fault; }

    // The operator's words for a program: "No bells" translated, the others as named.
    static QString programTitle(const DayProgram &program);
    // Why an entry is refused, in the operator's words.
    static QString faultText(ProgramCalendarFault fault);

private:
    ProgramCalendar m_special;
    QDateEdit *m_first = nullptr;
    QDateEdit *m_last = nullptr;
    QComboBox *m_program = nullptr;
    QLineEdit *m_note = nullptr;
    QLabel *m_fault = nullptr;
};
