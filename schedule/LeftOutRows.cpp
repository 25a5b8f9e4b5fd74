#include "schedule/LeftOutRows.h"

#include "schedule/DaySchedule.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/SoundNames.h"
#include "schedule/Weekday.h"

#include <QStringList>

#include <algorithm>

void LeftOutRows::add(const QString &place, Reason reason)
{
    auto it = std::find_if(elsewhere.begin(), elsewhere.end(), [&](const auto &p) { return p.first == place; });
    if (it == elsewhere.end())
        it = elsewhere.insert(elsewhere.end(), {place, Counts{}});
    ++it->second[reason];
}

int LeftOutRows::at(const QString &place, Reason reason) const
{
    auto it = std::find_if(elsewhere.begin(), elsewhere.end(), [&](const auto &p) { return p.first == place; });
    return it == elsewhere.end() ? 0 : it->second[reason];
}

int LeftOutRows::total() const
{
    int sum = 0;
    for (const auto &day : counts)
        for (int n : day)
            sum += n;
    for (const auto &[place, placeCounts] : elsewhere)
        for (int n : placeCounts)
            sum += n;
    return sum;
}

QString LeftOutRows::describe() const
{
    const QString why[kReasonCount] = {
        QStringLiteral("with an ID outside 1 to %1").arg(DaySchedule::kCapacity),
        QStringLiteral("with an ID that is not a whole number"),
        QStringLiteral("with an ID already used"),
        QStringLiteral("with a field longer than %1 characters").arg(ScheduleFileFormat::kMaxFieldBytes),
        QStringLiteral("with a program number that is not a whole number from 9"),
        QStringLiteral("with a program number already used"),
        QStringLiteral("without a name"),
        QStringLiteral("with a name already used"),
        QStringLiteral("for a program the file does not have"),
        QStringLiteral("for \"No bells\", which has no entries"),
        QStringLiteral("with a date that is not YYYY-MM-DD"),
        QStringLiteral("with the last date before the first"),
        QStringLiteral("beyond the %1 programs or %2 calendar entries a file may hold")
            .arg(ScheduleFileFormat::kMaxDayPrograms)
            .arg(ScheduleFileFormat::kMaxCalendarEntries),
        QStringLiteral("with a control character in a text"),
        QStringLiteral("for a sound that is not Melody or Voice 1 to %1").arg(SoundNames::kCount),
        QStringLiteral("for a sound already named"),
        QStringLiteral("with a name longer than %1 characters").arg(SoundNames::kMaxLength),
    };
    QStringList lines;
    auto describePlace = [&](const QString &place, const Counts &placeCounts) {
        QStringList parts;
        for (int r = 0; r < kReasonCount; ++r) {
            if (const int n = placeCounts[size_t(r)])
                parts << QStringLiteral("%1 %2 %3")
                             .arg(n)
                             .arg(n == 1 ? QStringLiteral("row") : QStringLiteral("rows"), why[r]);
        }
        if (!parts.isEmpty())
            lines << place + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    };
    for (int d = kMonday; d <= kSunday; ++d) {
        const std::string_view name = weekdayName(d);
        describePlace(QString::fromLatin1(name.data(), qsizetype(name.size())), counts[size_t(d - 1)]);
    }
    for (const auto &[place, placeCounts] : elsewhere)
        describePlace(place, placeCounts);
    return lines.join(QLatin1Char('\n'));
}
