#pragma once

#include "calendar/ImportMerge.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QTableWidget;

// Weekly > Import Holidays: the dates a calendar file holds, before anything changes. One row
// per occurrence (ticked, summary, first and last date, the program its dates will play, "No
// bells" unless changed); "Program for all" sets every row's program. Events that are not
// all-day, or are over, come unticked.
class ImportHolidaysDlg : public QDialog {
    Q_OBJECT
public:
    ImportHolidaysDlg(QWidget *parent, const QString &file, const std::vector<IcsOccurrence> &found,
                      const ProgramCalendar &special);

    // The ticked rows with their programs, in the file's order.
    std::vector<ChosenOccurrence> chosen() const;

    QTableWidget *table() const { return m_table; }
    QComboBox *programForAll() const { return m_all; }
    QComboBox *rowProgram(int row) const;

private:
    QComboBox *programBox();

    std::vector<IcsOccurrence> m_found;
    std::vector<DayProgram> m_programs;
    QTableWidget *m_table = nullptr;
    QComboBox *m_all = nullptr;
};
