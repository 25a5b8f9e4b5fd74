#pragma once

#include "device/TransferRecorder.h"

#include <QString>

#include <optional>

struct CliCommand;
class DeviceLink;
class WeeklySchedule;

// The commands that talk to the device; each runs its exchange in the event loop and
// returns the exit status.
int runDownload(const CliCommand &command);
int runUpload(const CliCommand &command);
int runClock(const CliCommand &command);

// Opens the command's port; on failure says "Serial Port Open Fail" with the cause.
bool openLink(DeviceLink &link, const QString &port);

struct DownloadRun {
    bool completed = false; // every weekday (or ALL Clear) acknowledged
    std::optional<TransferRecord> recorded; // what went into the journal
};

// Download on an open link as the dialog does it: the command's weekdays (or ALL Clear) of
// `week`, progress on standard error, the outcome journalled with `file` and the schedule each
// weekday carries (`carried`; the weekdays' own when none).
DownloadRun sendWeekdays(DeviceLink &link, const CliCommand &command, const WeeklySchedule &week, const QString &file,
                         const CarriedSchedules *carried = nullptr);
