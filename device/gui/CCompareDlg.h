#pragma once

#include "device/WeekComparison.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QPushButton;
class QTableWidget;

// "Compare with Device": per weekday read, "same" or "differs in N minutes"; for the weekday
// chosen in that list, the minutes that differ with the file's and the device's event side by
// side, each sound with its name when names has one. Ends Accepted with the operator's choice of what to do about the differing weekdays.
//
//     CCompareDlg dialog(parentWindow, compareWeek(fileImages, deviceImages));
//     if (dialog.exec() == QDialog::Accepted && dialog.choice() == CCompareDlg::Choice::TakeDevice)
//         ...store differingDays() from the device's images...
class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    enum class Choice { None, SendDiffering, TakeDevice };

    CCompareDlg(QWidget *parent, std::vector<WeekdayComparison> comparison, const SoundNames &names = SoundNames());

    Choice choice() const { return m_choice; }
    const std::vector<int> &differing() const { return m_differing; }

    // For tests: the weekday list, the minutes of the chosen one and the two actions.
    QListWidget *weekdayList() const { return m_days; }
    QTableWidget *minuteTable() const { return m_minutes; }
    QPushButton *sendButton() const { return m_send; }
    QPushButton *takeButton() const { return m_take; }

private:
    void showMinutes(int row);
    void choose(Choice choice);

    std::vector<WeekdayComparison> m_comparison;
    SoundNames m_names;
    std::vector<int> m_differing;
    Choice m_choice = Choice::None;
    QListWidget *m_days = nullptr;
    QTableWidget *m_minutes = nullptr;
    QPushButton *m_send = nullptr;
    QPushButton *m_take = nullptr;
};
