#pragma once

#include <QString>

#include <functional>

struct CliCommand;
enum class TomorrowState;

// "up to date", "not up to date", "unknown".
QString tomorrowText(TomorrowState state);

// plan: which schedule each date plays, and with --port whether that device is ready for the
// day after the first date.
int runPlan(const CliCommand &command);

// sync: sends the device the weekdays whose image for the week ahead it does not hold, as far
// as the journal of its port tells.
int runSync(const CliCommand &command);

// sync in two steps, for a site: what to send is worked out from the file and the journal now
// (the file's week is let go before this returns), the send is the task returned, which gives
// the exit status; none after saying why the file cannot be used.
std::function<int()> syncTask(const CliCommand &command);
