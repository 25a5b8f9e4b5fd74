#pragma once

#include "view/AutoSetupLists.h"

#include <array>
#include <string>

class Messages;
class WeeklySchedule;

// Everything the Auto Setup dialog holds, with its defaults: the box texts as typed and the
// list positions.
struct AutoSetupForm {
    int dayIndex = 0; // autoSetupDays position: Sunday first, the programs after Saturday
    std::string startText{AutoSetupLists::kDefaultTime};
    std::string endText{AutoSetupLists::kDefaultTime};
    std::string intervalText{AutoSetupLists::kDefaultInterval};
    int melodyVoiceIndex = AutoSetupLists::kNoSound;
    int selectionIndex = AutoSetupLists::kDefaultSelectionIndex;
    int acIndex = AutoSetupLists::kNoAc;
    std::array<bool, 4> channels{};
};

// The OK step: normalises the three boxes (the form then holds what they show), and when the
// start lies before the end generates the run and merges it into the chosen day. True when
// the run was stored and the dialog may close; false when it must stay open (the operator has
// already been told why) - nothing is written then.
bool acceptAutoSetup(AutoSetupForm &form, WeeklySchedule &week, Messages &messages);
