#include "view/AutoSetupSlots.h"

#include "device/DayImage.h"
#include "view/AutoSetupLists.h"

#include <algorithm>

void GenerateSlots(DayImage &image, int startMinute, int endMinute, int interval, const AutoSetupEvent &event)
{
    const int step = std::max(interval, 1);
    const int first = std::max(startMinute, 0);
    const int last = std::min(endMinute, DayImage::kSlots); // exclusive
    const uint8_t number = uint8_t(event.selection & 0x0F);

    for (int t = first; t < last; t += step) {
        uint8_t *s = &image.bytes()[size_t(t) * 4];
        if (event.acIndex == AutoSetupLists::kAcOn)
            s[0] |= MinuteSlot::kAcOn;
        else if (event.acIndex == AutoSetupLists::kAcOff)
            s[0] |= MinuteSlot::kAcOff;

        if (event.melodyVoiceIndex == AutoSetupLists::kMelody) {
            s[0] |= MinuteSlot::kMelody;
            s[2] |= number;
        } else if (event.melodyVoiceIndex == AutoSetupLists::kVoice) {
            s[0] |= MinuteSlot::kVoice;
            s[1] |= number;
        }

        for (int c = 0; c < 4; ++c) {
            if (event.channels[size_t(c)])
                s[3] |= uint8_t(1 << c);
        }
    }
}
