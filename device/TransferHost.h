#pragma once

#include "device/DayBoxState.h"
#include "device/TransferOutcome.h"

#include <QByteArray>

#include <functional>

// What a device session asks of the dialog or the terminal it runs in. The dialogs implement
// it with their widgets, the serial port and QTimer; tavrin-cli with its terminal; tests with
// a recorder.
class SessionHost {
public:
    enum class Result { Ok, Cancel };

    virtual ~SessionHost() = default;

    // Starts writing one frame to the port; does not wait for it to leave.
    virtual void writeFrame(const QByteArray &frame) = 0;

    // Ends the dialog with the given result.
    virtual void closeDialog(Result result) = 0;

    // How the exchange or a step of it ended. The host tells the operator in its own words and
    // returns at once; onAcknowledged (if any) runs once the operator has taken note (the
    // dialog's OK), and the session goes on from there.
    virtual void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) = 0;
};

// The extra needs of Download and Upload: two timers and the progress bar.
class TransferHost : public SessionHost {
public:
    // Timer 1 watches for the reply once a second, timer 2 moves the progress bar.
    enum Timer { kReplyTimer = 1, kProgressTimer = 2 };

    // Setting a running timer again restarts it with the new interval.
    virtual void setTimer(int id, int intervalMs) = 0;
    virtual void killTimer(int id) = 0;

    virtual void setProgressRange(int low, int high) = 0;
    virtual void setProgress(int position) = 0;
};

// The row of day boxes, where there is one to show (the dialogs). Boxes are numbered by the
// session (weekday boxes 1..7 = Monday..Sunday).
class DayBoxes {
public:
    virtual ~DayBoxes() = default;

    virtual void setBoxChecked(int box, bool checked) = 0;
    virtual void setBoxEnabled(int box, bool enabled) = 0;
    virtual void setBoxState(int box, DayBoxState state) = 0;
};
