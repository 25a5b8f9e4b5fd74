#pragma once

#include "device/WeekComparison.h"

#include <QString>

#include <functional>
#include <vector>

class DeviceLink;
struct TransferOutcome;
class WeeklySchedule;

// What reading weekdays back from the device brought.
struct WeekdayReading {
    std::vector<int> stored; // weekdays whose image came back and replaced the week's
    std::vector<int> lineErrors; // weekdays whose image failed the line check; kept as before
    bool completed = false; // every weekday asked for was answered
    WeekImages images; // the images stored, as the device sent them
    QString completedText; // the session's word when every weekday came ("Uploading complete")
};

// Reads these weekdays from the device on an open link into `week`, as Upload does: one line
// of progress per weekday on standard error, and the text of a silent device there too. Each
// outcome the session reports (a weekday's line error too) goes to onOutcome first.
WeekdayReading readWeekdays(DeviceLink &link, const std::vector<int> &days, WeeklySchedule &week,
                            const std::function<void(const TransferOutcome &)> &onOutcome = {});
