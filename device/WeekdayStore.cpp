#include "device/WeekdayStore.h"

#include "device/DayImage.h"
#include "schedule/WeeklySchedule.h"

WeekdayStoreResult storeWeekdayImage(WeeklySchedule &week, int dayNumber, const uint8_t *image, size_t size)
{
    if (!DayImage::CheckLines(image, size))
        return WeekdayStoreResult::LineError;
    const DaySchedule decoded = DayImage::Decode(image, size);
    if (decoded.count() == 0) {
        week.WriteEntry(dayNumber, 0, ScheduleEntry{});
        return WeekdayStoreResult::Stored;
    }
    for (int k = 1; k <= decoded.count(); ++k)
        week.WriteEntry(dayNumber, k, decoded.entry(k));
    return WeekdayStoreResult::Stored;
}
