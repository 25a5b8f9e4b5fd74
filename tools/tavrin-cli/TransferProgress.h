#pragma once

#include <QString>

// The terminal's view of a transfer: on a terminal one bar per weekday, redrawn in place as the
// progress moves; elsewhere (a log, a pipe) one line per weekday when it is done.
class TransferProgress {
public:
    explicit TransferProgress(bool terminal);
    ~TransferProgress();

    // A weekday's frame went out; the one before it, if still open, is done.
    void start(const QString &label);
    void setRange(int top);
    void setPosition(int position);
    // The weekday that is running ends with this outcome ("sent", "received", "Line Error").
    void finish(const QString &outcome);
    // The transfer stopped under the running weekday: its bar line is ended, and its label
    // returned for the message that tells why (empty when none was running).
    QString abandon();

    bool running() const { return !m_label.isEmpty(); }

private:
    void draw(int position);

    bool m_terminal;
    QString m_label;
    int m_top = 1;
    int m_position = 0;
    int m_shown = -1;
};
