#pragma once

#include <cstddef>
#include <cstdint>

class WeeklySchedule;

// Replaces one weekday with the events of a device image: the image must pass the consistency
// test, then each decoded entry k is written as entry k of that weekday (which makes it the
// shown day); an image without events leaves the weekday empty. Both Upload and the list's
// re-sort by time go through here.
enum class WeekdayStoreResult { Stored, LineError };

WeekdayStoreResult storeWeekdayImage(WeeklySchedule &week, int dayNumber, const uint8_t *image, size_t size);
