#pragma once

#include "journal/JournalEntry.h"
#include "plan/SyncDecision.h"

#include <optional>
#include <vector>

class PlannedWeek;

// What the journal tells of one device of a site: its last exchange, the clock offset last
// seen, and whether it holds tomorrow's image (unknown without a plan: its schedule file did
// not open).
struct SiteDeviceState {
    std::optional<JournalEntry> last; // without its images
    std::optional<int> clockOffsetSeconds; // device ahead of the computer: positive
    TomorrowState tomorrow = TomorrowState::Unknown;
    // The newest exchange ended in a failure (one the operator cancelled did not fail).
    bool lastFailed() const
    {
        return last && last->outcome != JournalOutcome::Completed && last->outcome != JournalOutcome::Cancelled;
    }
};

// From the port's journal entries, newest first.
SiteDeviceState siteDeviceState(const std::vector<JournalEntry> &newestFirst, const PlannedWeek *plan);
