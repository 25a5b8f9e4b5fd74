#include "device/TransferRecorder.h"

#include "device/DayImage.h"
#include "device/JournalOutcomeOf.h"
#include "journal/TransferJournal.h"
#include "schedule/WeeklySchedule.h"

#include <QDateTime>
#include <QStandardPaths>

QString defaultJournalPath()
{
    const QString override = qEnvironmentVariable("TAVRIN_JOURNAL");
    if (!override.isEmpty())
        return override;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/journal.sqlite");
}

std::optional<QString> recordTransfer(const QString &journalPath, const TransferRecord &record)
{
    JournalEntry entry;
    entry.when = QDateTime::currentDateTime();
    entry.kind = record.kind;
    entry.port = record.port;
    entry.file = record.file;
    entry.weekdays = record.weekdays;
    entry.images = record.images;
    entry.outcome = journalOutcomeOf(record.end);
    entry.clockOffsetSeconds = record.clockOffsetSeconds;
    TransferJournal journal(journalPath);
    if (const std::optional<JournalError> error = journal.record(entry))
        return QStringLiteral("The transfer journal could not be written (%1): %2").arg(journalPath, error->cause);
    return std::nullopt;
}

std::vector<JournalImage> journalImages(const WeeklySchedule &week, const std::vector<int> &days,
                                        const CarriedSchedules *carried)
{
    std::vector<JournalImage> images;
    DayImage image;
    for (int day : days) {
        image.Encode(week.day(day));
        const CarriedSchedule schedule =
            carried && day >= 1 && day <= 7 ? (*carried)[size_t(day - 1)] : CarriedSchedule{week.dayTitle(day), false};
        images.push_back({day,
                          QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize)),
                          {},
                          schedule.name,
                          schedule.program});
    }
    return images;
}

namespace {

// What a reading brought: the images, with no schedule named (the device does not say).
std::vector<JournalImage> readImages(const WeeklySchedule &week, const std::vector<int> &days)
{
    std::vector<JournalImage> images = journalImages(week, days);
    for (JournalImage &image : images)
        image.schedule.clear();
    return images;
}

} // namespace

TransferRecord dayTransferRecord(const TransferOutcome &outcome, const WeeklySchedule &week,
                                 const CarriedSchedules *carried)
{
    TransferRecord record;
    record.end = outcome.end;
    record.weekdays = outcome.weekdays;
    // An Upload that took no weekday at all, every one failing the line check, failed.
    if (outcome.exchange == TransferExchange::Upload && outcome.end == TransferEnd::Completed
        && outcome.weekdays.empty() && !outcome.lineErrorDays.empty())
        record.end = TransferEnd::LineError;
    if (outcome.exchange == TransferExchange::Upload) {
        record.kind = JournalKind::Upload;
    } else if (outcome.allClear) {
        record.kind = JournalKind::AllClear;
    } else {
        record.kind = JournalKind::Download;
    }
    // ALL Clear sends blank images under codes, not weekdays: the kind says it all.
    if (record.kind == JournalKind::Download)
        record.images = journalImages(week, outcome.weekdays, carried);
    else if (record.kind == JournalKind::Upload)
        record.images = readImages(week, outcome.weekdays);
    return record;
}

TransferRecord imagesTransferRecord(const TransferOutcome &outcome, const WeekdayImages &images,
                                    const CarriedSchedules &carried)
{
    TransferRecord record;
    record.end = outcome.end;
    record.weekdays = outcome.weekdays;
    record.kind = JournalKind::Download;
    for (int day : outcome.weekdays) {
        const size_t i = size_t(day - 1) % 7;
        record.images.push_back(
            {day,
             QByteArray(reinterpret_cast<const char *>(images[i].bytes().data()), qsizetype(DayImage::kSize)),
             {},
             carried[i].name,
             carried[i].program});
    }
    return record;
}
