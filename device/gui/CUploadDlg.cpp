#include "device/gui/CUploadDlg.h"

namespace {
QStringList boxTexts()
{
    return {QStringLiteral("   Monday"), QStringLiteral("   Tuesday"), QStringLiteral("   Wednesday"),
            QStringLiteral("   Thursday"), QStringLiteral("   Friday"), QStringLiteral("   Saturday"),
            QStringLiteral("   Sunday"), QStringLiteral("   Weekly")};
}
} // namespace

CUploadDlg::CUploadDlg(QWidget *parent, WeeklySchedule &week, const QString &portName)
    : TransferDialog(parent, QStringLiteral("Uplaod"), boxTexts(), QStringLiteral("Receive"), portName),
      m_week(week), m_session(*this, week, this)
{
    m_session.open();
    openPort();
}
