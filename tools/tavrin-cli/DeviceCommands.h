#pragma once

#include "device/DayImage.h"
#include "device/TransferRecorder.h"

#include <QString>

#include <optional>
#include <vector>

struct CliCommand;
class DeviceLink;
class WeeklySchedule;

// The commands that talk to the device; each runs its exchange in the event loop and
// returns the exit status.
int runDownload(const CliCommand &command);
int runUpload(const CliCommand &command);
int runClock(const CliCommand &command);

// Opens the command's port. On failure says "Serial Port Open Fail" with the cause (and, for a
// port this user may not open, how to be let in) and journals the failed exchange as `kind`,
// with `file`, when one is given.
bool openLink(DeviceLink &link, const CliCommand &command, std::optional<JournalKind> kind,
              const QString &file = QString());

struct DownloadRun {
    bool completed = false; // every weekday (or ALL Clear) acknowledged
    std::vector<int> accepted; // the weekdays the device took, in order
    std::optional<TransferRecord> recorded; // what went into the journal
};

// Before a Download of these weekdays of `week`: the entries the device will not get, and
// those that share a minute, on standard error. The send goes on.
void sayDownloadWarnings(const WeeklySchedule &week, const std::vector<int> &days);

// Download on an open link as the dialog does it: the command's weekdays (or ALL Clear) of
// `week`, progress on standard error, the outcome journalled with `file` and the schedule each
// weekday carries (`carried`; the weekdays' own when none).
DownloadRun sendWeekdays(DeviceLink &link, const CliCommand &command, const WeeklySchedule &week, const QString &file,
                         const CarriedSchedules *carried = nullptr);
// The same, of images already made (the command's weekdays of them), each journalled as the
// schedule `carried` names.
DownloadRun sendImages(DeviceLink &link, const CliCommand &command, const WeekdayImages &images, const QString &file,
                       const CarriedSchedules &carried);
