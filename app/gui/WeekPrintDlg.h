#pragma once

#include <QDialog>

class QCheckBox;

// What Print Week and Export PDF put in the document beside the weekdays: the day programs
// and the calendar's entries of the months ahead. Print Week's dialog also offers a preview.
class WeekPrintDlg : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Print, Export };
    // Accepted: Print or Export; Preview, when the operator asked to see the pages first.
    enum Result { Preview = 2 };

    explicit WeekPrintDlg(Purpose purpose, QWidget *parent = nullptr);

    bool programs() const;
    bool calendar() const;

private:
    QCheckBox *m_programs;
    QCheckBox *m_calendar;
};
