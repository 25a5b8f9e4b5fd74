#pragma once

#include "schedule/ScheduleEntry.h"

class DayImage;
struct MinuteSlot;
class WeeklySchedule;

// The entry Auto Setup writes for a non-empty slot. Its texts differ from the device decoding
// in three places: no sound gives MelodyVoice "" and Selection "", and Melody 0 gives
// Selection "".
ScheduleEntry autoSetupEntry(int minute, const MinuteSlot &slot);

// ORs the generated image into the image of the weekday's current entries and writes the result
// back into that weekday in minute order through WeeklySchedule::WriteEntry, which also makes it
// the shown day. Same-minute events merge as the image merges them; entries with neither sound
// nor AC drop out. When the merged image holds no event nothing is written at all (the weekday
// and the shown day stay as they were). Returns the number of entries written; a whole day at
// one-minute steps gives all 1440.
int MergeAndStore(WeeklySchedule &week, int dayNumber, const DayImage &generated);
