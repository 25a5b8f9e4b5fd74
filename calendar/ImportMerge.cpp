#include "calendar/ImportMerge.h"

#include <QHash>

std::vector<CalendarEntry> mergeOccurrences(std::vector<CalendarEntry> calendar,
                                            const std::vector<ChosenOccurrence> &chosen)
{
    // where each imported occurrence stands, so a file of thousands stays quick to take again
    QHash<QPair<QString, QDate>, size_t> imported;
    for (size_t i = 0; i < calendar.size(); ++i) {
        if (!calendar[i].sourceUid.isEmpty())
            imported.insert({calendar[i].sourceUid, calendar[i].sourceDate}, i);
    }
    for (const ChosenOccurrence &c : chosen) {
        const IcsOccurrence &o = c.occurrence;
        CalendarEntry entry{o.first, o.last, c.program, o.summary, o.uid, o.first};
        const auto same = o.uid.isEmpty() ? imported.constEnd() : imported.constFind({o.uid, o.first});
        if (same != imported.constEnd()) {
            calendar[*same] = std::move(entry);
            continue;
        }
        if (!o.uid.isEmpty())
            imported.insert({o.uid, o.first}, calendar.size());
        calendar.push_back(std::move(entry));
    }
    return calendar;
}
