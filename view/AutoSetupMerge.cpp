#include "view/AutoSetupMerge.h"

#include "device/DayImage.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"

#include <string>

ScheduleEntry autoSetupEntry(int minute, const MinuteSlot &slot)
{
    const uint8_t f = slot.flags & 0x3F;
    const int voice = slot.voice & 0x0F;
    const int melody = slot.melody & 0x0F;

    ScheduleEntry e;
    e.Time = storedTime(minute / 60, minute % 60);
    if (f & MinuteSlot::kMelody) {
        e.MelodyVoice = "Melody";
        e.Selection = melody == 0 ? std::string() : std::to_string(melody);
    } else if (f & MinuteSlot::kVoice) {
        e.MelodyVoice = "Voice";
        e.Selection = std::to_string(voice);
    }
    if (f & MinuteSlot::kAcOn)
        e.AC = "ON";
    else if (f & MinuteSlot::kAcOff)
        e.AC = "OFF";
    std::string *channels[4] = {&e.CH1, &e.CH2, &e.CH3, &e.CH4};
    for (int c = 0; c < 4; ++c)
        *channels[c] = (slot.channels & (1 << c)) ? "1" : "0";
    return e;
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
