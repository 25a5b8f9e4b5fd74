#include "CliTransferHost.h"

#include "TransferProgress.h"

#include <QObject>

CliTransferHost::CliTransferHost(TransferProgress &progress, Hooks hooks)
    : m_progress(progress)
    , m_hooks(std::move(hooks))
{
    for (int id : {kReplyTimer, kProgressTimer}) {
        m_timers[id].setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timers[id], &QTimer::timeout, [this, id] {
            if (!m_closed && m_hooks.timer)
                m_hooks.timer(id);
        });
    }
}

void CliTransferHost::writeFrame(const QByteArray &frame)
{
    if (m_hooks.write)
        m_hooks.write(frame);
}

void CliTransferHost::closeDialog(Result result)
{
    if (m_closed)
        return;
    m_closed = true;
    m_result = result;
    for (QTimer &timer : m_timers)
        timer.stop();
    if (m_hooks.closed)
        m_hooks.closed(result);
}

void CliTransferHost::setTimer(int id, int intervalMs)
{
    if (id == kReplyTimer || id == kProgressTimer)
        m_timers[id].start(intervalMs);
}

void CliTransferHost::killTimer(int id)
{
    if (id == kReplyTimer || id == kProgressTimer)
        m_timers[id].stop();
}

void CliTransferHost::setProgressRange(int low, int high)
{
    m_progress.setRange(high - low);
}

void CliTransferHost::setProgress(int position)
{
    m_progress.setPosition(position);
}

void CliTransferHost::reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged)
{
    if (m_hooks.outcome)
        m_hooks.outcome(outcome);
    if (onAcknowledged)
        QTimer::singleShot(0, &m_timers[0], [this, onAcknowledged = std::move(onAcknowledged)] {
            if (!m_closed)
                onAcknowledged();
        });
}
