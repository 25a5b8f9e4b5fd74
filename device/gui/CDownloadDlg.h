#pragma once

#include "device/DownloadSession.h"
#include "device/gui/TransferDialog.h"

#include <functional>
#include <vector>

class WeeklySchedule;

// "Download": sends the chosen weekdays of the week, or ALL Clear, to the device.
//
//     CDownloadDlg dlg(parentWindow, week, portName);   // opens the port at once
//     dlg.exec();                                       // Accepted after "Downloading
//                                                       // complete" or "Make no Response"
//
// `week` is read when each weekday starts and must outlive the dialog; store the list into it
// before opening. `portName` is the serial port to use; empty means the first serial port of
// the platform. When the port cannot be opened the dialog says so and still opens.
class CDownloadDlg : public TransferDialog {
    Q_OBJECT
public:
    // Boxes 1..7 Monday..Sunday, then "Weekly" and " ALL Clear".
    CDownloadDlg(QWidget *parent, const WeeklySchedule &week, const QString &portName,
                 const ProtocolTimings &timings = {});

    DownloadSession &session() { return m_session; }
    const WeeklySchedule &week() const { return m_week; }

    // Ticks these weekdays (1..7) as the operator would, ready for "Send": all seven tick "Weekly".
    void preselect(const std::vector<int> &days);

    // Asked with the weekdays ticked at the first "Send" that would send weekdays, before any
    // frame goes: false sends nothing (the next "Send" asks again).
    void setBeforeSend(std::function<bool(const std::vector<int> &weekdays)> check) { m_beforeSend = std::move(check); }

protected:
    TransferExchange exchange() const override { return TransferExchange::Download; }
    bool readyToStart() const override { return m_session.readyToStart(); }
    void boxClicked(int box, bool checked) override { m_session.boxClicked(box, checked); }
    void actionClicked() override;
    void cancelClicked() override { m_session.cancel(); }
    void timerTick(int id) override { m_session.timer(id); }
    void chunkReceived(const QByteArray &chunk) override { m_session.received(chunk); }
    void portLost() override { m_session.portLost(); }
    const WeeklySchedule &journalWeek() const override { return m_week; }

private:
    const WeeklySchedule &m_week;
    DownloadSession m_session;
    std::function<bool(const std::vector<int> &)> m_beforeSend;
    bool m_beforeSendPassed = false;
};
