#pragma once

#include "device/DeviceEmulator.h"
#include "PseudoTerminal.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <memory>
#include <unistd.h>

// The device emulator on the master side of a pseudo-terminal, served from the Qt event
// loop: code under test opens slaveName() and talks to a device, all in one test process.
// Header only, so a test that uses it links tavrin_device itself.
//
//     PtyDevice device;
//     CComm comm; comm.setPortName(device.slaveName()); ...
//     QTest::qWaitFor([&] { return device.emulator.stats().imagesStored == 7; });
class PtyDevice {
public:
    explicit PtyDevice(DeviceEmulator::ClockFn clock = {})
        : emulator(std::move(clock))
    {
        emulator.setOutput(
            [this](const uint8_t *p, size_t n) { m_out.append(reinterpret_cast<const char *>(p), qsizetype(n)); });
        if (!pty.isOpen())
            return;
        m_notifier = std::make_unique<QSocketNotifier>(pty.masterFd(), QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { pump(); });
        // Delayed answers and the rest of a large answer leave from here.
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { pump(); });
        m_timer.start();
    }

    QString slaveName() const { return pty.slaveName(); }

    // Pulls the cable: the master closes and the emulator hears nothing more.
    void unplug()
    {
        m_timer.stop();
        m_notifier.reset();
        pty.closeMaster();
    }

    PseudoTerminal pty;
    DeviceEmulator emulator;
    QByteArray received; // every byte the code under test sent

private:
    void pump()
    {
        if (!pty.isOpen())
            return;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(pty.masterFd(), buffer, sizeof buffer);
            if (n <= 0)
                break;
            received.append(buffer, n);
            emulator.feed(reinterpret_cast<const uint8_t *>(buffer), size_t(n));
        }
        emulator.poll();
        while (!m_out.isEmpty()) {
            const ssize_t n = ::write(pty.masterFd(), m_out.constData(), size_t(m_out.size()));
            if (n <= 0)
                break; // the slave's queue is full: the timer tries again
            m_out.remove(0, n);
        }
    }

    QByteArray m_out;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_timer;
};
