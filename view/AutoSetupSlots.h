#pragma once

#include <array>

class DayImage;

// The one event a run repeats, as chosen in the dialog's lists (AutoSetupLists indices).
struct AutoSetupEvent {
    int acIndex = 0; // AutoSetupLists::AcIndex
    int melodyVoiceIndex = 0; // AutoSetupLists::MelodyVoiceIndex
    int selection = 0; // the melody or voice number, 0..15
    std::array<bool, 4> channels{}; // CH1..CH4
};

// ORs the event into the slot of every minute start, start + interval, ... before end (the
// end minute itself is never generated). Without a sound the Selection is ignored; an event
// with neither sound nor AC leaves its slots empty, whatever its channels. Minutes outside the
// day are never touched, and an interval below 1 counts as 1.
void GenerateSlots(DayImage &image, int startMinute, int endMinute, int interval, const AutoSetupEvent &event);
