#pragma once

#include "document/ListColumns.h"
#include "schedule/DaySchedule.h"
#include "schedule/SoundNames.h"

#include <QString>

#include <vector>

// What a day plays, as the device plays it: the day goes through its image, so the events come
// in minute order, entries sharing a minute are one event, and entries the device cannot
// carry (no time, a Selection above 15, neither sound nor AC) are not there.

// One list row per event, numbered from 1.
std::vector<ListRow> playedRows(const DaySchedule &day);

// One event on one line in the list's words: "AM 08:00  Melody 1  AC ON  ch1 ch3". The sound,
// the AC and the channels are left out where the event has none. Given names, a named sound
// says its name after its number: "Melody 3 "Westminster"".
QString shownEventLine(const ListRow &row, const SoundNames *names = nullptr);
