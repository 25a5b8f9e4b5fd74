#include "device/gui/CUploadDlg.h"

#include <QCoreApplication>

namespace {
QStringList boxTexts()
{
    return {QCoreApplication::translate("TransferDialog", "   Monday"),
            QCoreApplication::translate("TransferDialog", "   Tuesday"),
            QCoreApplication::translate("TransferDialog", "   Wednesday"),
            QCoreApplication::translate("TransferDialog", "   Thursday"),
            QCoreApplication::translate("TransferDialog", "   Friday"),
            QCoreApplication::translate("TransferDialog", "   Saturday"),
            QCoreApplication::translate("TransferDialog", "   Sunday"),
            QCoreApplication::translate("TransferDialog", "   Weekly")};
}
} // namespace

CUploadDlg::CUploadDlg(QWidget *parent, WeeklySchedule &week, const QString &portName, const ProtocolTimings &timings)
    : TransferDialog(parent, QCoreApplication::translate("TransferDialog", "Uplaod"), boxTexts(),
                     QCoreApplication::translate("TransferDialog", "Receive"), portName)
    , m_week(week)
    , m_session(*this, week, this, timings)
{
    m_session.open();
    openPort(timings.connectTimeoutMs);
}
