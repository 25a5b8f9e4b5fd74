#pragma once

#include <QString>

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
