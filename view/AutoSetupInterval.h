#pragma once

#include "view/AutoSetupTime.h"

#include <string>
#include <string_view>

class Messages;

struct NormalizedInterval {
    NormalizedTime start;
    NormalizedTime end;
    int minutes = 1; // at least 1
    std::string text; // "N  Minute"

    // Start strictly before end: a run can be generated.
    bool spanValid() const { return start.minuteOfDay() < end.minuteOfDay(); }
};

extern const char *const kInvalidSpanMessage; // "Invalid Input between Start Time and End Time."

// Normalises both time boxes, then the interval: 0, no digits, or an interval not shorter than
// the span becomes 1. When the start is not before the end the operator is told so (one OK
// button) and the interval becomes 1 as well.
NormalizedInterval NormalizeInterval(std::string_view startText, std::string_view endText,
                                     std::string_view intervalText, Messages &messages);
