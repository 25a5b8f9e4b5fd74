#include "schedule/LeftOutRows.h"

#include "schedule/DaySchedule.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/Weekday.h"

#include <QStringList>

int LeftOutRows::total() const
{
    int sum = 0;
    for (const auto &day : counts)
        for (int n : day)
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
    };
    QStringList lines;
    for (int d = kMonday; d <= kSunday; ++d) {
        QStringList parts;
        for (int r = 0; r < kReasonCount; ++r) {
            if (const int n = counts[size_t(d - 1)][r])
                parts << QStringLiteral("%1 %2 %3").arg(n).arg(n == 1 ? "row" : "rows", why[r]);
        }
        if (!parts.isEmpty()) {
            const std::string_view name = weekdayName(d);
            lines << QString::fromLatin1(name.data(), qsizetype(name.size())) + QStringLiteral(": ") + parts.join(", ");
        }
    }
    return lines.join('\n');
}
