#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair for tests that need a real serial line: the code under test opens
// slaveName() as its port, the test plays the device on the master side.
//
// The slave is put into raw mode and held open here as well, so bytes pass unchanged and
// the master never sees a hang-up between two users of the slave. While read() waits, Qt
// events keep running, so a QSerialPort on the slave can send.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return m_master >= 0; }
    QString slaveName() const { return m_slaveName; }
    int masterFd() const { return m_master; }

    // Writes every byte to the master: they arrive on the slave.
    bool write(const QByteArray &bytes);
    // Reads from the master until count bytes arrived or timeoutMs passed.
    QByteArray read(qsizetype count, int timeoutMs = 5000);
    // Whatever arrives within waitMs.
    QByteArray readFor(int waitMs);

    // The line goes dead: users of the slave get a hang-up, as when a cable is pulled.
    void closeMaster();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slaveName;
};
