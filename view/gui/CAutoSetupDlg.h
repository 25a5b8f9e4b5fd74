#pragma once

#include "view/AutoSetupForm.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class Messages;
class WeeklySchedule;

// "Auto Setup": fills one weekday or day program with a run of identical events, from a start
// time up to an end time every N minutes, merged into what that day already holds. The day list
// shows Sunday .. Saturday, then the programs ("No bells" takes no entries and is not offered).
//
// How the view uses it: on Auto Set it constructs the dialog on a copy of the document's week
// and runs it modally (exec). On QDialog::Accepted the chosen day has been rewritten in time
// order and is the copy's shown day, and the view makes the days that changed one step of the
// document, showing that day. On Rejected (Cancel, Escape, the close button) nothing has been
// written.
//
// The time boxes are normalised when they lose the focus, the interval box is emptied when the
// operator enters it and normalised when he leaves it; OK normalises all three and stays open
// (after telling the operator) while the start is not before the end.
//
// Object names, for tests: "day", "startTime", "endTime", "interval", "melodyVoice",
// "selection", "ac", "ch1".."ch4", "ok", "cancel".
class CAutoSetupDlg : public QDialog {
    Q_OBJECT
public:
    CAutoSetupDlg(WeeklySchedule &week, Messages &messages, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onOk();
    AutoSetupForm form() const;
    void showBoxes(const AutoSetupForm &form);
    void normalizeOnLeave(QObject *box);

    WeeklySchedule &m_week;
    Messages &m_messages;

    QComboBox *m_day = nullptr;
    QLineEdit *m_start = nullptr;
    QLineEdit *m_end = nullptr;
    QLineEdit *m_interval = nullptr;
    QComboBox *m_melodyVoice = nullptr;
    QComboBox *m_selection = nullptr;
    QComboBox *m_ac = nullptr;
    std::array<QCheckBox *, 4> m_channels{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;

    // A message box shown while normalising takes the focus away; that must not normalise again.
    bool m_normalizing = false;
};
