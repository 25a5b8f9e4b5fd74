#include "document/commands/WeekCommands.h"

#include "document/CTavrinDoc.h"
#include "schedule/WeeklySchedule.h"

#include <QStringList>

namespace {

QString namedAfterDays(const WeeklySchedule &before, const WeeklySchedule &after, const QString &text)
{
    QStringList names;
    for (int d : after.allDays()) {
        if (!before.day(d).sameEntries(after.day(d)))
            names << after.dayTitle(d);
    }
    return names.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, names.join(QStringLiteral(", ")));
}

} // namespace

ReplaceDays::ReplaceDays(CTavrinDoc &doc, const WeeklySchedule &changed, const QString &text, bool nameDays,
                         const ListPlace &before)
    : DayStep(doc, nameDays ? namedAfterDays(doc.week(), changed, text) : text, before)
{
    for (int d : changed.allDays()) {
        if (!doc.week().day(d).sameEntries(changed.day(d)))
            changeDay(d, changed.day(d).entries());
    }
    const ListPlace after = changed.shownDay() == before.day ? before : ListPlace{changed.shownDay(), {}, -1, -1};
    // A refill: the list is rebuilt, so only the day stays of the place.
    setPlaceAfter(ListPlace{after.day, {}, -1, -1});
}

std::unique_ptr<ReplaceDays> ReplaceDays::through(CTavrinDoc &doc, const QString &text, bool nameDays,
                                                  const ListPlace &before,
                                                  const std::function<bool(WeeklySchedule &)> &write)
{
    const auto copy = std::make_unique<WeeklySchedule>();
    copy->copyFrom(doc.week());
    if (!write(*copy))
        return nullptr;
    return std::make_unique<ReplaceDays>(doc, *copy, text, nameDays, before);
}

ChangeProgramCalendar::ChangeProgramCalendar(CTavrinDoc &doc, const QString &text, const std::vector<DayEntries> &days,
                                             const ProgramCalendar &special, int shownDay, const ListPlace &before)
    : DayStep(doc, text, before)
{
    changeProgramCalendar(special);
    for (const DayEntries &d : days)
        changeDay(d.day, d.after);
    setPlaceAfter(shownDay == before.day ? before : ListPlace{shownDay, {}, -1, -1});
}
