#pragma once

#include "device/CComm.h"
#include "device/ClockSession.h"
#include "device/ProtocolTimings.h"
#include "device/SerialReceiver.h"
#include "device/TransferRecorder.h"

#include <QDateTime>
#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTimeEdit;

// "Time Setting": sets the device's clock (weekday and time of day) or reads it back.
//
//     CTimeSettingDlg dlg(parentWindow, portName);   // opens the port at once
//     dlg.exec();                                    // the result means nothing
//
// "Send" writes the clock and closes (after the frame has left, at most a couple of seconds;
// when it could not leave, a message says so and the dialog stays);
// "Receive" asks the device and shows its answer whenever it comes, with a line saying how far
// the device's clock is from this computer's; "Now" fills in this computer's weekday and time.
// On a port that did not open, "Send" and "Receive" try it again and say at once why it fails.
// A line warns when this computer's zone changes its offset soon. `portName`: the serial
// port; empty means the platform's first one. `now` gives the computer's date and time (the
// weekday selected on opening and the time shown); by default the system clock. `timings`:
// how long "Send" waits for the frame to leave.
class CTimeSettingDlg : public QDialog, public ClockHost, public SerialReceiver {
    Q_OBJECT
public:
    CTimeSettingDlg(QWidget *parent, const QString &portName, std::function<QDateTime()> now = {},
                    const ProtocolTimings &timings = {});
    ~CTimeSettingDlg() override;

    QComboBox *weekdayList() const { return m_weekday; }
    QTimeEdit *timePicker() const { return m_time; }
    QPushButton *receiveButton() const { return m_receive; }
    QPushButton *sendButton() const { return m_send; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *nowButton() const { return m_nowButton; }
    QLabel *offsetLine() const { return m_offsetLine; }
    QLabel *summerTimeLine() const { return m_summerTimeLine; }
    bool isPortOpen() const { return m_comm.isConnected(); }

    // ClockHost
    void writeFrame(const QByteArray &frame) override;
    void closeDialog(Result result) override;
    void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) override;

    // SerialReceiver
    void serialReceived(const uint8_t *data, size_t size) override;

signals:
    // The journal could not be written; the clock was set all the same.
    void journalWarning(const QString &line);

private:
    void send();
    // The port is open, or the operator has been told it is not.
    bool portReady();
    void selectWeekday(int position);
    void setTimeOfDay(const ClockTime &time);
    void showOffset(const TransferOutcome &reading);
    void fillInNow();
    void journalClockSet(TransferEnd end);
    QDateTime now() const { return m_now ? m_now() : QDateTime::currentDateTime(); }

    CComm m_comm;
    const ProtocolTimings m_timings;
    ClockSession m_session;
    std::function<QDateTime()> m_now;
    QDateTime m_openingTime;
    std::optional<int> m_offsetSeen; // from the last "Receive", for the journal
    std::optional<TransferRecord> m_clockSet; // sent, journalled once it has left the port
    QComboBox *m_weekday = nullptr;
    QTimeEdit *m_time = nullptr;
    QPushButton *m_receive = nullptr;
    QPushButton *m_send = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_nowButton = nullptr;
    QLabel *m_offsetLine = nullptr;
    QLabel *m_summerTimeLine = nullptr;
    bool m_destroying = false;
};
