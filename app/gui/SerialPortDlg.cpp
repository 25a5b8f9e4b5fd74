#include "app/gui/SerialPortDlg.h"

#include "app/PortLabel.h"
#include "device/LineLock.h"
#include "device/PortName.h"
#include "device/SystemPorts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

SerialPortDlg::SerialPortDlg(const QString &current, QWidget *parent, const QString &inUse)
    : QDialog(parent)
{
    setWindowTitle(tr("Serial Port"));
    setObjectName(QStringLiteral("serialPortDialog"));

    m_ports = new QComboBox(this);
    m_ports->setObjectName(QStringLiteral("ports"));
    m_ports->setEditable(true);
    m_ports->setInsertPolicy(QComboBox::NoInsert);
    // The port in use may be named by its stable link: the line it leads to is what counts.
    const QString inUseLine = inUse.isEmpty() ? QString() : lineDevicePath(openablePortName(inUse));
    for (const ListedPort &port : systemPorts()) {
        const bool used = !inUseLine.isEmpty() && lineDevicePath(port.location) == inUseLine;
        // An adapter is kept by its stable name: /dev/ttyUSB0 may be another one after a replug.
        m_ports->addItem(portLabel(port, used), port.stableName.isEmpty() ? port.location : port.stableName);
    }
    m_ports->setCurrentIndex(-1);
    m_ports->setEditText(current);
    m_ports->setMinimumContentsLength(28);

    auto *prompt = new QLabel(tr("Port the Tavrin is connected to:"), this);
    prompt->setBuddy(m_ports);
    // the typed name's field is read by the prompt too
    m_ports->lineEdit()->setAccessibleName(prompt->text());
    auto *hint = new QLabel(tr("Choose one of the ports found, or type a name: a serial device (/dev/ttyUSB0, "
                               "COM3), or socket://HOST:PORT or rfc2217://HOST:PORT for a serial line behind a "
                               "network address. An empty name uses the default port."),
                            this);
    hint->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_ports);
    layout->addWidget(hint);
    layout->addWidget(buttons);
}

void SerialPortDlg::accept()
{
    const QString name = portName();
    PortAddress address;
    if (!name.isEmpty() && !parsePortName(name, address)) {
        QMessageBox::warning(this, windowTitle(), malformedPortNameText(name));
        return;
    }
    QDialog::accept();
}

QString SerialPortDlg::portName() const
{
    // A listed entry carries its bare device path; the shown text adds the description.
    const int index = m_ports->currentIndex();
    if (index >= 0 && m_ports->itemText(index) == m_ports->currentText())
        return m_ports->itemData(index).toString();
    return m_ports->currentText().trimmed();
}
