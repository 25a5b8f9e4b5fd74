// The transfer journal at its cap: 2,000 entries, each a Download of the whole week in which one
// weekday changed since the one before. Prints the file's size; the journal must stay under 10 MB.
//   build/bin/bench_journal [FOLDER]   (a temporary folder when none is given)
#include "device/DayImage.h"
#include "journal/TransferJournal.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

namespace {

// A weekday of `events` bells at scattered minutes, their fields varied as an operator's are.
void fillDay(DaySchedule &day, int events, QRandomGenerator &random)
{
    day.clear();
    const int step = 1440 / events;
    for (int e = 0; e < events; ++e) {
        const int minute = e * step + int(random.bounded(step));
        day.append(ScheduleEntry{storedTime(minute / 60, minute % 60), random.bounded(2) ? "Voice" : "Melody",
                                 std::to_string(random.bounded(1, 64)), random.bounded(3) ? "" : "ON",
                                 random.bounded(2) ? "1" : "0", random.bounded(2) ? "1" : "0",
                                 random.bounded(2) ? "1" : "0", random.bounded(2) ? "1" : "0"});
    }
}

qint64 journalAtItsCap(const QString &path, int eventsPerDay)
{
    QFile::remove(path);
    QRandomGenerator random(20);
    WeeklySchedule week;
    for (int d = 1; d <= 7; ++d)
        fillDay(week.day(d), eventsPerDay, random);
    const QDateTime start(QDate(2026, 1, 5), QTime(18, 0), Qt::UTC);
    {
        TransferJournal journal(path);
        DayImage image;
        for (int i = 0; i < TransferJournal::kMaxEntries; ++i) {
            if (i > 0)
                fillDay(week.day(i % 7 + 1), eventsPerDay, random);
            JournalEntry entry;
            entry.when = start.addSecs(qint64(i) * 3600);
            entry.kind = JournalKind::Download;
            entry.port = QStringLiteral("/dev/ttyUSB0");
            entry.file = QStringLiteral("/home/office/school.mdb");
            for (int d = 1; d <= 7; ++d) {
                image.Encode(week.day(d));
                entry.weekdays.push_back(d);
                entry.images.push_back(
                    {d,
                     QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize)),
                     {},
                     QString::fromLatin1(weekdayName(d).data(), qsizetype(weekdayName(d).size())),
                     false});
            }
            if (const std::optional<JournalError> error = journal.record(entry)) {
                std::fprintf(stderr, "bench_journal: %s\n", qPrintable(error->cause));
                return -1;
            }
        }
    } // closed: the write-ahead log is folded into the file
    return QFileInfo(path).size();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString folder = app.arguments().size() > 1 ? app.arguments().at(1) : temporary.path();
    const QString path = QDir(folder).filePath(QStringLiteral("journal.sqlite"));
    for (const int events : {60, 1440}) {
        const qint64 size = journalAtItsCap(path, events);
        if (size < 0)
            return 1;
        std::printf("%d entries, each the whole week, one weekday changed, %4d events a day: %.2f MB (%lld bytes)\n",
                    TransferJournal::kMaxEntries, events, double(size) / (1024.0 * 1024.0),
                    static_cast<long long>(size));
    }
    return 0;
}
