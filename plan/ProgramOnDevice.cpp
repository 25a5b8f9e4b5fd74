#include "plan/ProgramOnDevice.h"

#include "schedule/WeeklySchedule.h"

#include <cstring>

namespace {

const JournalImage *imageOf(const JournalEntry &entry, int weekday)
{
    for (const JournalImage &image : entry.images) {
        if (image.day == weekday)
            return &image;
    }
    return nullptr;
}

} // namespace

std::optional<QString> programHeldOn(const std::vector<JournalEntry> &newestFirst, int weekday, const DayImage &read)
{
    for (const JournalEntry &entry : newestFirst) {
        if (entry.outcome != JournalOutcome::Completed)
            continue; // readings change nothing; a send that failed may have changed it: the image tells
        if (entry.kind == JournalKind::AllClear)
            return std::nullopt;
        if (entry.kind != JournalKind::Download)
            continue;
        const JournalImage *sent = imageOf(entry, weekday);
        if (!sent)
            continue;
        if (!sent->program || sent->image.size() != qsizetype(DayImage::kSize))
            return std::nullopt;
        DayImage image;
        std::memcpy(image.bytes().data(), sent->image.constData(), DayImage::kSize);
        if (!compareDay(weekday, image, read).same())
            return std::nullopt;
        return sent->schedule;
    }
    return std::nullopt;
}

std::vector<ProgramOnDevice> programsOnDevice(const std::vector<JournalEntry> &newestFirst, const WeeklySchedule &week,
                                              const WeekImages &read)
{
    std::vector<ProgramOnDevice> held;
    for (const auto &[weekday, image] : read) {
        const std::optional<QString> name = programHeldOn(newestFirst, weekday, image);
        if (!name)
            continue;
        ProgramOnDevice p{weekday, *name, std::nullopt};
        if (const DayProgram *program = week.programCalendar().programNamed(*name))
            p.programDay = program->day;
        held.push_back(std::move(p));
    }
    return held;
}

void placeReadBack(WeeklySchedule &week, const WeeklySchedule &before, const ProgramOnDevice &held, ReadBackPlace place)
{
    if (place == ReadBackPlace::IntoWeekday)
        return;
    if (place == ReadBackPlace::IntoProgram && held.programDay)
        week.day(*held.programDay).copyFrom(week.day(held.weekday));
    week.day(held.weekday).copyFrom(before.day(held.weekday));
}
