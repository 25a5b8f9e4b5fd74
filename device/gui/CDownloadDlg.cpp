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
