#pragma once

#include "ui/PictureIds.h"

#include <QByteArray>
#include <QString>

#include <functional>

// What a device session asks of the dialog it runs in. The dialogs implement it with their
// widgets, the serial port and QTimer; tests implement it with a recorder.
class SessionHost {
public:
    enum class Result { Ok, Cancel };

    virtual ~SessionHost() = default;

    // Starts writing one frame to the port; does not wait for it to leave.
    virtual void writeFrame(const QByteArray &frame) = 0;

    // Ends the dialog with the given result.
    virtual void closeDialog(Result result) = 0;
};

// The extra needs of Download and Upload: two timers, the progress bar, the picture check
// boxes and message boxes that do not block (the timers keep running behind them).
class TransferHost : public SessionHost {
public:
    // Timer 1 watches for the reply once a second, timer 2 moves the progress bar.
    enum Timer { kReplyTimer = 1, kProgressTimer = 2 };

    enum class Icon { None, Information };

    // Setting a running timer again restarts it with the new interval.
    virtual void setTimer(int id, int intervalMs) = 0;
    virtual void killTimer(int id) = 0;

    virtual void setProgressRange(int low, int high) = 0;
    virtual void setProgress(int position) = 0;

    // Boxes are numbered by the session (weekday boxes 1..7 = Monday..Sunday).
    virtual void setBoxChecked(int box, bool checked) = 0;
    virtual void setBoxEnabled(int box, bool enabled) = 0;
    // Picture numbers (PictureId) as the button takes them; 0 = none.
    virtual void setBoxBitmaps(int box, int normal, int selected, int hover) = 0;

    // Shows a message box and returns at once; onClosed (if any) runs when the operator
    // closes it.
    virtual void showMessage(const QString &text, const QString &caption, Icon icon,
                             std::function<void()> onClosed) = 0;
};
