#pragma once

#include "device/UnsentEntries.h"
#include "document/commands/DayStep.h"

// The shown day sorted by time through its device image: entries sharing a minute merge, and
// entries with nothing to do drop out. The operator's selected and current events stay selected
// and current wherever they move. A day with an entry the image cannot carry (a Selection above
// 15, a Time that is no time) is refused: nothing changes and refusal() names those entries.
class SortByTime : public DayStep {
public:
    struct Refusal {
        std::vector<UnsentEntry> entries; // of the day as it was
        std::vector<UnsentEntry> pasted; // of the rows pasted, numbered in their order
        bool lineError = false; // the merged image failed its own check
        bool any() const { return lineError || !entries.empty() || !pasted.empty(); }
    };

    // Named "Sort by Time" unless text names it otherwise (a Paste of nothing re-sorts).
    SortByTime(CTavrinDoc &doc, const ListPlace &before, const QString &text = QString());
    const Refusal &refusal() const { return m_refusal; }

protected:
    // The day's entries and added ones merged through one image (Paste).
    SortByTime(CTavrinDoc &doc, const QString &text, const ListPlace &before, const std::vector<ScheduleEntry> &added,
               const std::vector<int> &selectMinutes, int currentMinute);

private:
    void sortInto(const std::vector<ScheduleEntry> &existing, const std::vector<ScheduleEntry> &added,
                  const std::vector<int> &selectMinutes, int currentMinute);

    Refusal m_refusal;
};

// Copied entries merged into the shown day by time, as the re-sort merges (a pasted entry in a
// minute the day has ORs into it); the pasted events are selected afterwards, the earliest
// current. An empty clipboard re-sorts the day. What would take the day past a full day's
// entries is left out and counted.
class PasteRows : public SortByTime {
public:
    PasteRows(CTavrinDoc &doc, const std::vector<ScheduleEntry> &copied, int maxRows, const ListPlace &before);
    int leftOut() const { return m_leftOut; }

private:
    struct Fitting {
        std::vector<ScheduleEntry> added;
        std::vector<int> minutes;
        int leftOut = 0;
    };
    PasteRows(CTavrinDoc &doc, Fitting fitting, const ListPlace &before);
    static Fitting fit(const CTavrinDoc &doc, const std::vector<ScheduleEntry> &copied, int maxRows);

    int m_leftOut = 0;
};
