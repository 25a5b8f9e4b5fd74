#pragma once

#include "device/DayImage.h"
#include "journal/JournalEntry.h"

#include <array>
#include <optional>
#include <vector>

// What the device holds for each weekday, as far as the journal of its port tells.
class DeviceHoldings {
public:
    // Nothing known.
    DeviceHoldings() = default;

    // From the journal entries of one port, newest first, with their image bytes. For each
    // weekday the newest entry that tells decides:
    //  - a completed Download, Upload or Comparison that carried the weekday's image: that image;
    //  - a completed ALL Clear: the blank image;
    //  - a Download that did not complete and had the weekday among its weekdays, or an ALL Clear
    //    that did not complete (it may have blanked any of them): unknown.
    // Clock settings, and readings that did not complete, tell nothing.
    static DeviceHoldings fromJournal(const std::vector<JournalEntry> &newestFirst);

    // Weekday 1 = Monday .. 7 = Sunday; nothing when unknown.
    const std::optional<DayImage> &image(int weekday) const { return m_images[size_t(weekday - 1) % 7]; }

private:
    std::array<std::optional<DayImage>, 7> m_images;
};
