#pragma once

#include "plan/PlannedDay.h"

#include <QString>

#include <vector>

// plan --ics: writes the dates that play a day program ("No bells" among them) to an
// iCalendar file, one all-day event each, SUMMARY the program's name. Each event's UID is
// made of its date and the schedule file's name, so a calendar reading the file again updates
// the dates it showed. False, said on standard error, when the file cannot be written.
bool writePlanCalendar(const QString &path, const QString &scheduleFile, const std::vector<PlannedDay> &days);
