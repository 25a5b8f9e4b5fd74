#include "device/gui/CDownloadDlg.h"

namespace {
QStringList boxTexts()
{
    return {QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("   Wednesday"),
            QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday"),
            QStringLiteral("Sunday"), QStringLiteral("Weekly"), QStringLiteral(" ALL Clear")};
}
} // namespace

CDownloadDlg::CDownloadDlg(QWidget *parent, const WeeklySchedule &week, const QString &portName)
    : TransferDialog(parent, QStringLiteral("Download"), boxTexts(), QStringLiteral("Send"), portName),
      m_week(week), m_session(*this, week, this)
{
    m_session.open();
    openPort();
}

void CDownloadDlg::preselect(const std::vector<int> &days)
{
    if (days.size() == 7) {
        m_session.boxClicked(DownloadSession::kWeekly, true);
        return;
    }
    for (int day : days)
        m_session.boxClicked(day, true);
}
