#pragma once

#include <QDialog>

class QComboBox;

// Tavrin > Serial Port...: the ports the system has, or a name typed in.
class SerialPortDlg : public QDialog {
    Q_OBJECT
public:
    SerialPortDlg(const QString &current, QWidget *parent = nullptr);

    // The chosen name, trimmed; empty means the program's default port.
    QString portName() const;

private:
    QComboBox *m_ports;
};
