#include "document/commands/SortCommands.h"

#include "device/DayImage.h"
#include "document/CTavrinDoc.h"
#include "document/ListColumns.h"
#include "schedule/TimeText.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

DaySchedule dayOf(const std::vector<ScheduleEntry> &entries)
{
    DaySchedule day;
    for (const ScheduleEntry &e : entries)
        day.append(e);
    return day;
}

// What a re-sort through the image would lose (a row with nothing to do drops out by the list's
// own rules, so it is no loss).
std::vector<UnsentEntry> lostEntries(const DaySchedule &day)
{
    std::vector<UnsentEntry> lost;
    for (const UnsentEntry &u : entriesNotEncoded(day)) {
        if (u.reason != UnsentEntry::Reason::NothingToDo)
            lost.push_back(u);
    }
    return lost;
}

std::vector<int> minutesOfRows(const std::vector<ScheduleEntry> &entries, const std::vector<int> &rows)
{
    std::vector<int> minutes;
    for (int r : rows) {
        if (r >= 0 && r < int(entries.size())) {
            if (const std::optional<int> minute = minuteOfDay(entries[size_t(r)].Time))
                minutes.push_back(*minute);
        }
    }
    return minutes;
}

bool isEvent(const ScheduleEntry &e)
{
    return e.MelodyVoice == "Melody" || e.MelodyVoice == "Voice" || e.AC == "ON" || e.AC == "OFF";
}

} // namespace

SortByTime::SortByTime(CTavrinDoc &doc, const ListPlace &before, const QString &text)
    : DayStep(doc, text.isEmpty() ? QCoreApplication::translate("ScheduleList", "Sort by Time") : text, before)
{
    const std::vector<ScheduleEntry> existing = doc.shownEntries().entries();
    const std::vector<int> current = minutesOfRows(existing, {before.currentRow});
    sortInto(existing, {}, minutesOfRows(existing, before.selectedRows), current.empty() ? -1 : current.front());
}

SortByTime::SortByTime(CTavrinDoc &doc, const QString &text, const ListPlace &before,
                       const std::vector<ScheduleEntry> &added, const std::vector<int> &selectMinutes,
                       int currentMinute)
    : DayStep(doc, text, before)
{
    sortInto(doc.shownEntries().entries(), added, selectMinutes, currentMinute);
}

void SortByTime::sortInto(const std::vector<ScheduleEntry> &existing, const std::vector<ScheduleEntry> &added,
                          const std::vector<int> &selectMinutes, int currentMinute)
{
    // Re-sorting goes through the device image, which cannot carry every entry: refuse rather
    // than let one vanish with its AC and channels.
    const DaySchedule existingDay = dayOf(existing);
    const DaySchedule addedDay = dayOf(added);
    m_refusal.entries = lostEntries(existingDay);
    m_refusal.pasted = lostEntries(addedDay);
    if (m_refusal.any())
        return;

    // Same-minute entries merge by ORing their slots, so two images OR into one.
    DayImage image;
    image.Encode(existingDay);
    DayImage more;
    more.Encode(addedDay);
    for (size_t i = 0; i < DayImage::kSize; ++i)
        image.bytes()[i] |= more.bytes()[i];
    if (!image.CheckLines()) {
        m_refusal.lineError = true;
        return;
    }
    const std::vector<ScheduleEntry> sorted = image.Decode().entries();
    const int day = placeBefore().day;
    changeDay(day, sorted);

    // Keep the operator's place: the events selected before (or pasted) stay selected, the
    // current one stays current.
    std::vector<bool> toSelect(DayImage::kSlots, false);
    for (int minute : selectMinutes)
        toSelect[size_t(minute)] = true;
    ListPlace after{day, {}, -1, -1};
    for (int r = 0; r < int(sorted.size()); ++r) {
        const std::optional<int> minute = minuteOfDay(sorted[size_t(r)].Time);
        if (!minute)
            continue;
        if (toSelect[size_t(*minute)])
            after.selectedRows.push_back(r);
        if (*minute == currentMinute)
            after.currentRow = r;
    }
    if (!after.selectedRows.empty())
        after.mark = after.selectedRows.front();
    if (after.currentRow < 0 && !after.selectedRows.empty())
        after.currentRow = after.selectedRows.front();
    if (after.currentRow >= 0)
        after.currentColumn = placeBefore().currentColumn >= 0 ? placeBefore().currentColumn : kColumnTime;
    setPlaceAfter(after);
}

PasteRows::Fitting PasteRows::fit(const CTavrinDoc &doc, const std::vector<ScheduleEntry> &copied, int maxRows)
{
    // The limit counts what the day holds after the merge: one event per minute. A copied row
    // in a minute the day already has, or one that drops out anyway, always fits.
    std::vector<bool> taken(DayImage::kSlots, false);
    int held = 0;
    auto takes = [&](const ScheduleEntry &e) {
        const std::optional<int> minute = minuteOfDay(e.Time);
        if (!minute || !isEvent(e) || taken[size_t(*minute)])
            return true;
        if (held >= std::min(maxRows, int(DaySchedule::kCapacity)))
            return false;
        taken[size_t(*minute)] = true;
        ++held;
        return true;
    };
    for (const ScheduleEntry &e : doc.shownEntries().entries())
        takes(e);
    Fitting fitting;
    for (const ScheduleEntry &e : copied) {
        if (!takes(e)) {
            ++fitting.leftOut;
            continue;
        }
        fitting.added.push_back(e);
        const std::optional<int> minute = minuteOfDay(e.Time);
        if (minute && isEvent(e))
            fitting.minutes.push_back(*minute);
    }
    return fitting;
}

PasteRows::PasteRows(CTavrinDoc &doc, const std::vector<ScheduleEntry> &copied, int maxRows, const ListPlace &before)
    : PasteRows(doc, fit(doc, copied, maxRows), before)
{
}

PasteRows::PasteRows(CTavrinDoc &doc, Fitting fitting, const ListPlace &before)
    : SortByTime(doc, QCoreApplication::translate("ScheduleList", "Paste"), before, fitting.added, fitting.minutes,
                 fitting.minutes.empty() ? -1 : *std::min_element(fitting.minutes.begin(), fitting.minutes.end()))
    , m_leftOut(fitting.leftOut)
{
}
