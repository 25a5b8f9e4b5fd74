#pragma once

#include <QDialog>

class QComboBox;

// Tavrin > Serial Port...: the ports the system has, or a name typed in.
class SerialPortDlg : public QDialog {
    Q_OBJECT
public:
    // `inUse` is the port the device dialogs open now (the command line's, the chosen one or
    // the default); the list marks it.
    SerialPortDlg(const QString &current, QWidget *parent = nullptr, const QString &inUse = QString());

    // The chosen name, trimmed; empty means the program's default port.
    QString portName() const;

    // Keeps the dialog open, saying which forms a name takes, while the name is none of them.
    void accept() override;

private:
    QComboBox *m_ports;
};
