#include "device/gui/CDownloadDlg.h"

#include <QCoreApplication>

namespace {
QStringList boxTexts()
{
    return {QCoreApplication::translate("TransferDialog", "Monday"),
            QCoreApplication::translate("TransferDialog", "Tuesday"),
            QCoreApplication::translate("TransferDialog", "   Wednesday"),
            QCoreApplication::translate("TransferDialog", "Thursday"),
            QCoreApplication::translate("TransferDialog", "Friday"),
            QCoreApplication::translate("TransferDialog", "Saturday"),
            QCoreApplication::translate("TransferDialog", "Sunday"),
            QCoreApplication::translate("TransferDialog", "Weekly"),
            QCoreApplication::translate("TransferDialog", " ALL Clear")};
}
} // namespace

CDownloadDlg::CDownloadDlg(QWidget *parent, const WeeklySchedule &week, const QString &portName,
                           const ProtocolTimings &timings)
    : TransferDialog(parent, QCoreApplication::translate("TransferDialog", "Download"), boxTexts(),
                     QCoreApplication::translate("TransferDialog", "Send"), portName)
    , m_week(week)
    , m_session(*this, week, this, timings)
{
    m_session.open();
    openPort(timings.connectTimeoutMs);
}

void CDownloadDlg::preselect(const std::vector<int> &days)
{
    // As a click: the box shows the tick, then the session hears of it.
    auto tick = [this](int box) {
        setBoxChecked(box, true);
        m_session.boxClicked(box, true);
    };
    if (days.size() == 7) {
        tick(DownloadSession::kWeekly);
        return;
    }
    for (int day : days)
        tick(day);
}

void CDownloadDlg::actionClicked()
{
    if (m_beforeSend && !m_beforeSendPassed && m_session.isIdle() && !m_session.isChecked(DownloadSession::kAllClear)) {
        std::vector<int> days;
        for (int day = 1; day <= 7; ++day) {
            if (m_session.isChecked(day))
                days.push_back(day);
        }
        if (!days.empty()) {
            if (!m_beforeSend(days))
                return;
            m_beforeSendPassed = true;
        }
    }
    m_session.send();
}
