#include "plan/DeviceHoldings.h"

#include <algorithm>
#include <cstring>

namespace {

// What one entry says of a weekday.
enum class Tells { Nothing, Unknown, Image };

bool has(const std::vector<int> &days, int day)
{
    return std::find(days.begin(), days.end(), day) != days.end();
}

const JournalImage *imageOf(const JournalEntry &entry, int day)
{
    for (const JournalImage &image : entry.images) {
        if (image.day == day)
            return &image;
    }
    return nullptr;
}

Tells whatItTells(const JournalEntry &entry, int day, DayImage &image)
{
    const bool completed = entry.outcome == JournalOutcome::Completed;
    switch (entry.kind) {
    case JournalKind::AllClear:
        if (!completed)
            return Tells::Unknown;
        image.Clear();
        return Tells::Image;
    case JournalKind::Download:
    case JournalKind::Upload:
    case JournalKind::Comparison: {
        const JournalImage *carried = imageOf(entry, day);
        if (completed && carried && carried->image.size() == qsizetype(DayImage::kSize)) {
            std::memcpy(image.bytes().data(), carried->image.constData(), DayImage::kSize);
            return Tells::Image;
        }
        // A reading that failed changed nothing; a send that failed, or whose bytes the journal
        // lost, leaves the weekday in doubt.
        const bool sent = entry.kind == JournalKind::Download && (has(entry.weekdays, day) || carried);
        return sent ? Tells::Unknown : Tells::Nothing;
    }
    case JournalKind::ClockSet:
        return Tells::Nothing;
    }
    return Tells::Nothing;
}

} // namespace

DeviceHoldings DeviceHoldings::fromJournal(const std::vector<JournalEntry> &newestFirst)
{
    DeviceHoldings held;
    for (int day = 1; day <= 7; ++day) {
        DayImage image;
        for (const JournalEntry &entry : newestFirst) {
            const Tells tells = whatItTells(entry, day, image);
            if (tells == Tells::Nothing)
                continue;
            if (tells == Tells::Image)
                held.m_images[size_t(day - 1)] = image;
            break;
        }
    }
    return held;
}
