#pragma once

#include "device/gui/TransferDialog.h"
#include "device/UploadSession.h"

class WeeklySchedule;

// "Uplaod" (the caption keeps its old spelling): reads the chosen weekdays back from the
// device into the week.
//
//     CUploadDlg dlg(parentWindow, week, portName);   // opens the port at once
//     if (dlg.exec() == QDialog::Accepted)
//         ...rebuild the list from week.shownDay()...
//
// Each weekday received replaces that weekday of `week` and becomes its shown day; the dialog
// ends Accepted after "Uploading complete" and after "Communication error" alike. `week` must
// outlive the dialog. `portName`: the serial port; empty means the platform's first one.
class CUploadDlg : public TransferDialog {
    Q_OBJECT
public:
    // Boxes 1..7 Monday..Sunday, then "Weekly".
    CUploadDlg(QWidget *parent, WeeklySchedule &week, const QString &portName, const ProtocolTimings &timings = {});

    UploadSession &session() { return m_session; }

protected:
    TransferExchange exchange() const override { return TransferExchange::Upload; }
    bool readyToStart() const override { return m_session.readyToStart(); }
    void boxClicked(int box, bool checked) override { m_session.boxClicked(box, checked); }
    void actionClicked() override { m_session.receive(); }
    void cancelClicked() override { m_session.cancel(); }
    void timerTick(int id) override { m_session.timer(id); }
    void chunkReceived(const QByteArray &chunk) override { m_session.received(chunk); }
    void portLost() override { m_session.portLost(); }
    const WeeklySchedule &journalWeek() const override { return m_week; }

private:
    WeeklySchedule &m_week;
    UploadSession m_session;
};
