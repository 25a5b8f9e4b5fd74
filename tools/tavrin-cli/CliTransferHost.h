#pragma once

#include "device/TransferHost.h"

#include <QTimer>

#include <array>
#include <functional>

class TransferProgress;

// What the Download and Upload dialogs do for their sessions, done for a terminal: QTimers
// for timers 1 and 2, the progress bar drawn by TransferProgress, and outcomes handed to the
// command, counted as acknowledged with OK at once (on the next turn of the event loop, as a
// real box's OK would come).
class CliTransferHost : public TransferHost {
public:
    struct Hooks {
        std::function<void(const QByteArray &)> write; // a frame to the port
        std::function<void(int)> timer; // a timer fired: the session's timer(id)
        std::function<void(const TransferOutcome &)> outcome; // how the exchange or a step ended
        std::function<void(Result)> closed; // the dialog would close now
    };

    CliTransferHost(TransferProgress &progress, Hooks hooks);

    void writeFrame(const QByteArray &frame) override;
    void closeDialog(Result result) override;
    void setTimer(int id, int intervalMs) override;
    void killTimer(int id) override;
    void setProgressRange(int low, int high) override;
    void setProgress(int position) override;
    void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) override;

    bool isClosed() const { return m_closed; }
    Result result() const { return m_result; }

private:
    TransferProgress &m_progress;
    Hooks m_hooks;
    std::array<QTimer, 3> m_timers; // by timer number; 0 unused
    bool m_closed = false;
    Result m_result = Result::Cancel;
};
