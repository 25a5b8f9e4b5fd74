#include "view/AutoSetupForm.h"

#include "device/DayImage.h"
#include "view/AutoSetupDays.h"
#include "view/AutoSetupInterval.h"
#include "view/AutoSetupMerge.h"
#include "view/AutoSetupSlots.h"

bool acceptAutoSetup(AutoSetupForm &form, WeeklySchedule &week, Messages &messages)
{
    const NormalizedInterval n = NormalizeInterval(form.startText, form.endText, form.intervalText, messages);
    form.startText = n.start.text;
    form.endText = n.end.text;
    form.intervalText = n.text;
    if (!n.spanValid())
        return false;

    AutoSetupEvent event;
    event.acIndex = form.acIndex;
    event.melodyVoiceIndex = form.melodyVoiceIndex;
    event.selection = AutoSetupLists::selectionValue(form.selectionIndex);
    event.channels = form.channels;

    DayImage generated; // blank
    GenerateSlots(generated, n.start.minuteOfDay(), n.end.minuteOfDay(), n.minutes, event);
    MergeAndStore(week, autoSetupDayAt(week, form.dayIndex), generated);
    return true;
}
