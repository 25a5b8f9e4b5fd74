#pragma once

#include <QString>

// The serial line a port name leads to: the device file itself, symbolic links followed
// (/dev/serial/by-id/... and a link of one's own are /dev/ttyUSB0). Names that are no file
// (COM1) stay as given.
QString lineDevicePath(const QString &openableName);

// Holds the line itself, not the name it was opened under, so one line can't be opened twice
// under two names, by this program or another one that locks it alike. Released when it goes,
// or with the process.
class LineLock {
public:
    enum class Result { Held, InUse, NotChecked };

    LineLock() = default;
    ~LineLock() { release(); }
    LineLock(const LineLock &) = delete;
    LineLock &operator=(const LineLock &) = delete;

    // NotChecked: the line could not be looked at (no such file, no permission, not a Unix
    // system); opening the port then tells why, if anything is wrong.
    Result acquire(const QString &devicePath);
    void release();

private:
    int m_fd = -1;
};
