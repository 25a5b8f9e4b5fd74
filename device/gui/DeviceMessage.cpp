#include "device/gui/DeviceMessage.h"

#include "device/PortAccess.h"
#include "device/TransferOutcomeText.h"

#include <QGuiApplication>
#include <QMessageBox>

QMessageBox *openDeviceMessage(QWidget *parent, const QString &text, const QString &caption, OutcomeMessage::Icon icon,
                               std::function<void()> onClosed)
{
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption);
    box->setText(text);
    box->setIcon(icon == OutcomeMessage::Icon::Information   ? QMessageBox::Information
                     : icon == OutcomeMessage::Icon::Warning ? QMessageBox::Warning
                                                             : QMessageBox::NoIcon);
    box->setStandardButtons(QMessageBox::Ok);
    if (onClosed)
        QObject::connect(box, &QDialog::finished, parent, [onClosed = std::move(onClosed)] { onClosed(); });
    box->open();
    return box;
}

QString portOpenFailText(const QString &reason, const QString &portName)
{
    TransferOutcome failed;
    failed.end = TransferEnd::PortFailed;
    const QString text = transferOutcomeText(failed);
    QString detail = reason.isEmpty() ? portName : reason;
    // a port that is there but not ours to open: say how to get it
    const QString hint = portPermissionHint(portName);
    if (!hint.isEmpty())
        detail += QStringLiteral("\n\n") + hint;
    return detail.isEmpty() ? text : text + QStringLiteral("\n\n") + detail;
}
