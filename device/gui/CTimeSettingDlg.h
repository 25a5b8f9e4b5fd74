#pragma once

#include "device/CComm.h"
#include "device/ClockSession.h"
#include "device/SerialReceiver.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;
class QTimeEdit;

// "Time Setting": sets the device's clock (weekday and time of day) or reads it back.
//
//     CTimeSettingDlg dlg(parentWindow, portName);   // opens the port at once
//     dlg.exec();                                    // the result means nothing
//
// "Send" writes the clock and closes (after the frame has left, at most a couple of seconds;
// when it could not leave, a message says so and the dialog stays);
// "Receive" asks the device and shows its answer whenever it comes. `portName`: the serial
// port; empty means the platform's first one. `now` gives the computer's date and time (the
// weekday selected on opening and the time shown); by default the system clock.
class CTimeSettingDlg : public QDialog, public ClockHost, public SerialReceiver {
    Q_OBJECT
public:
    CTimeSettingDlg(QWidget *parent, const QString &portName, std::function<QDateTime()> now = {});
    ~CTimeSettingDlg() override;

    QComboBox *weekdayList() const { return m_weekday; }
    QTimeEdit *timePicker() const { return m_time; }
    QPushButton *receiveButton() const { return m_receive; }
    QPushButton *sendButton() const { return m_send; }
    QPushButton *cancelButton() const { return m_cancel; }
    bool isPortOpen() const { return m_comm.isConnected(); }
    QDateTime openingTime() const { return m_openingTime; }

    // ClockHost
    void writeFrame(const QByteArray &frame) override;
    void closeDialog(Result result) override;
    void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) override;

    // SerialReceiver
    void serialReceived(const uint8_t *data, size_t size) override;

private:
    void send();
    void selectWeekday(int position);
    void setTimeOfDay(const ClockTime &time);

    CComm m_comm;
    ClockSession m_session;
    QDateTime m_openingTime;
    QComboBox *m_weekday = nullptr;
    QTimeEdit *m_time = nullptr;
    QPushButton *m_receive = nullptr;
    QPushButton *m_send = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_destroying = false;
};
