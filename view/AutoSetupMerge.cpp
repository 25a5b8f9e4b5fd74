#include "view/AutoSetupMerge.h"

#include "device/DayImage.h"
#include "schedule/WeeklySchedule.h"

ScheduleEntry autoSetupEntry(int minute, const MinuteSlot &slot)
{
    return decodeSlot(minute, slot, SlotTexts::autoSetup());
}

int MergeAndStore(WeeklySchedule &week, int dayNumber, const DayImage &generated)
{
    DayImage merged;
    merged.Encode(week.day(dayNumber));
    for (size_t i = 0; i < DayImage::kSize; ++i)
        merged.bytes()[i] |= generated.bytes()[i];

    int k = 0;
    for (int m = 0; m < DayImage::kSlots; ++m) {
        const MinuteSlot slot = merged.slot(m);
        if (slot.isEmpty())
            continue;
        if (!week.WriteEntry(dayNumber, k + 1, autoSetupEntry(m, slot)))
            break;
        ++k;
    }
    return k;
}
