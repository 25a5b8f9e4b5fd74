#include "SimProcess.h"

#include "TestPaths.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

SimProcess::~SimProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        stop(3000);
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

bool SimProcess::start(const QStringList &arguments, int timeoutMs)
{
    m_process.start(binPath(QStringLiteral("tavrin-sim")), arguments);
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    QDeadlineTimer deadline(timeoutMs);
    while (!m_out.contains('\n') && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            break;
        m_out += m_process.readAllStandardOutput();
    }
    const QString first = QString::fromLocal8Bit(m_out.left(m_out.indexOf('\n')));
    const QString prefix = QStringLiteral("tavrin-sim: device on ");
    if (!first.startsWith(prefix))
        return false;
    m_device = first.mid(prefix.size());
    return true;
}

QString SimProcess::output()
{
    m_out += m_process.readAllStandardOutput();
    return QString::fromLocal8Bit(m_out);
}

QString SimProcess::errors()
{
    m_err += m_process.readAllStandardError();
    return QString::fromLocal8Bit(m_err);
}

bool SimProcess::waitForOutput(const QString &text, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!output().contains(text)) {
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return output().contains(text);
        // Qt events keep running meanwhile: the test's own port may be receiving.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        m_process.waitForReadyRead(10);
    }
    return true;
}

int SimProcess::stop(int timeoutMs)
{
    if (m_process.state() == QProcess::NotRunning)
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    m_process.terminate();
    if (!m_process.waitForFinished(timeoutMs))
        return -1;
    output();
    errors();
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}
