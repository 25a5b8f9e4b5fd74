#pragma once

#include "device/TransferOutcomeText.h"

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// A message box over a device dialog that does not block: it opens window-modal and returns
// at once, so the dialog's timers and port go on and no handler is entered twice. onClosed
// runs when the operator closes it. An empty caption gives the application's title.
QMessageBox *openDeviceMessage(QWidget *parent, const QString &text, const QString &caption = QString(),
                               OutcomeMessage::Icon icon = OutcomeMessage::Icon::None,
                               std::function<void()> onClosed = {});

// "Serial Port Open Fail", with the port's own reason (which names the port), and for a port
// this user may not open, how to join its group.
QString portOpenFailText(const QString &reason, const QString &portName);
