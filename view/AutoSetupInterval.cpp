#include "view/AutoSetupInterval.h"

#include <QCoreApplication>

#include "schedule/Messages.h"
#include "schedule/TimeText.h"

const char *const kInvalidSpanMessage =
    QT_TRANSLATE_NOOP("AutoSetup", "Invalid Input between Start Time and End Time.");

NormalizedInterval NormalizeInterval(std::string_view startText, std::string_view endText,
                                     std::string_view intervalText, Messages &messages)
{
    NormalizedInterval result;
    result.start = NormalizeStartTime(startText);
    result.end = NormalizeEndTime(endText);
    const int span = result.end.minuteOfDay() - result.start.minuteOfDay();

    int minutes = readNumber(intervalText);
    if (minutes >= span || minutes == 0)
        minutes = 1;
    if (span <= 0) {
        messages.show(QCoreApplication::translate("AutoSetup", kInvalidSpanMessage));
        minutes = 1;
    }
    result.minutes = minutes;
    result.text = std::to_string(minutes) + "  Minute";
    return result;
}
