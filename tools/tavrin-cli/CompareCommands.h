#pragma once

#include <vector>

struct CliCommand;
class DeviceLink;
class WeeklySchedule;

// compare: reads the chosen weekdays from the device and prints how they differ from the file.
int runCompare(const CliCommand &command);

// sync --check-device: reads every weekday back on the open link and journals what the device
// holds as a comparison; false when some weekday did not come (which has been said).
bool readBackIntoJournal(DeviceLink &link, const CliCommand &command);

// download --verify: after the whole send, reads each sent weekday back on the open link and
// compares it with what was sent; prints the lines of the weekdays that differ.
int verifySent(DeviceLink &link, const WeeklySchedule &sent, const std::vector<int> &days);
