#include "CompareCommands.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "device/TransferOutcomeText.h"
#include "device/TransferRecorder.h"
#include "device/WeekComparison.h"
#include "DeviceCommands.h"
#include "DeviceLink.h"
#include "DeviceReading.h"
#include "JournalCommand.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"

#include <QStringList>

#include <memory>
#include <optional>

namespace {

QString dayNames(const std::vector<int> &days)
{
    QStringList names;
    for (int d : days)
        names << QString::fromLatin1(weekdayName(d).data(), qsizetype(weekdayName(d).size()));
    return names.join(QStringLiteral(", "));
}

bool printLines(const std::vector<WeekdayComparison> &comparison, const SoundNames &names)
{
    std::string text;
    for (const std::string &line : comparisonLines(comparison, &names))
        text += line + '\n';
    return writeOut(text);
}

// Reads the weekdays into a scratch week; with `journalled`, what the device was seen to hold
// goes into the journal as a comparison.
WeekdayReading readDevice(DeviceLink &link, const std::vector<int> &days, const CliCommand *journalled)
{
    auto scratch = std::make_unique<WeeklySchedule>();
    WeekdayReading reading = readWeekdays(link, days, *scratch);
    if (journalled) {
        TransferRecord record;
        record.kind = JournalKind::Comparison;
        record.port = journalled->port;
        record.file = journalled->file;
        record.weekdays = days;
        for (const auto &[day, image] : reading.images)
            record.images.push_back(
                {day,
                 QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize)),
                 {},
                 {},
                 false});
        record.end = !reading.lineErrors.empty() ? TransferEnd::LineError
            : reading.completed                  ? TransferEnd::Completed
                                                 : TransferEnd::NoResponse;
        cliRecord(*journalled, record);
    }
    return reading;
}

// Reads the weekdays into a scratch week, so nothing of the file's week is touched, and
// compares the images as the device sent them. Empty when
// some weekday could not be read (which has been said).
std::optional<std::vector<WeekdayComparison>> readAndCompare(DeviceLink &link, const WeeklySchedule &file,
                                                             const std::vector<int> &days,
                                                             const CliCommand *journalled = nullptr)
{
    const WeekdayReading reading = readDevice(link, days, journalled);
    if (!reading.lineErrors.empty()) {
        TransferOutcome lineError;
        lineError.exchange = TransferExchange::Upload;
        lineError.end = TransferEnd::LineError;
        sayError(transferOutcomeText(lineError) + QStringLiteral(": ") + dayNames(reading.lineErrors)
                 + QStringLiteral(" not compared"));
    }
    if (!reading.completed || !reading.lineErrors.empty())
        return std::nullopt;
    return compareWeek(weekImages(file, days), reading.images);
}

} // namespace

int runCompare(const CliCommand &command)
{
    const std::unique_ptr<WeeklySchedule> week = loadScheduleOrSay(command.file);
    if (!week)
        return kExitFailure;
    DeviceLink link(command.timings);
    if (!openLink(link, command, JournalKind::Comparison, command.file))
        return kExitFailure;
    const auto comparison = readAndCompare(link, *week, command.days, &command);
    link.close();
    if (!comparison)
        return kExitFailure;
    if (!printLines(*comparison, week->soundNames()))
        return kExitFailure;
    return differingDays(*comparison).empty() ? kExitOk : kExitDiffers;
}

bool readBackIntoJournal(DeviceLink &link, const CliCommand &command)
{
    const WeekdayReading reading = readDevice(link, {1, 2, 3, 4, 5, 6, 7}, &command);
    return reading.completed && reading.lineErrors.empty();
}

int verifySent(DeviceLink &link, const WeeklySchedule &sent, const std::vector<int> &days)
{
    const auto comparison = readAndCompare(link, sent, days);
    if (!comparison)
        return kExitFailure;
    const std::vector<int> differing = differingDays(*comparison);
    if (differing.empty()) {
        sayRaw(QStringLiteral("Verified: the device holds what was sent\n"));
        return kExitOk;
    }
    std::vector<WeekdayComparison> shown;
    for (const WeekdayComparison &day : *comparison) {
        if (!day.same())
            shown.push_back(day);
    }
    printLines(shown, sent.soundNames());
    sayError(QStringLiteral("the device does not hold what was sent: ") + dayNames(differing));
    return kExitDiffers;
}
