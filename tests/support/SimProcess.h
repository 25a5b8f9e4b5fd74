#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs build/bin/tavrin-sim for a test: start() waits for its first line and keeps the
// device path; stop() ends it with SIGTERM and returns its exit code. The destructor stops
// it too. Everything it prints after the first line collects in output().
class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess();
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    bool start(const QStringList &arguments = {}, int timeoutMs = 10000);
    QString device() const { return m_device; }
    // What it printed so far (stdout), including the first line.
    QString output();
    QString errors();
    // Waits until output() contains text.
    bool waitForOutput(const QString &text, int timeoutMs = 5000);
    // SIGTERM, then the exit code (-1 if it did not end cleanly in time).
    int stop(int timeoutMs = 5000);
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QString m_device;
    QByteArray m_out;
    QByteArray m_err;
};
