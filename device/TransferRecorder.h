#pragma once

#include "device/TransferOutcome.h"
#include "journal/JournalEntry.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

class DayImage;
class WeeklySchedule;

// One exchange with the device as the journal keeps it. The one place every exchange (the
// dialogs' and the command line's, a comparison's too) is written from.
struct TransferRecord {
    JournalKind kind = JournalKind::Download;
    QString port;
    QString file;
    std::vector<int> weekdays; // 1..7
    std::vector<JournalImage> images;
    TransferEnd end = TransferEnd::Completed;
    std::optional<int> clockOffsetSeconds;
};

// The journal's file: $TAVRIN_JOURNAL when set, else journal.sqlite in the user's data folder.
QString defaultJournalPath();

// Writes the record, stamped now, into the journal at `journalPath`. A journal that cannot be
// written never stops a transfer: the answer is the one-line warning to show, or nothing.
std::optional<QString> recordTransfer(const QString &journalPath, const TransferRecord &record);

// The images of those weekdays of the week, as a Download sends them, each named for the
// schedule it carries: the weekday's own unless `carried` says which program it is.
std::vector<JournalImage> journalImages(const WeeklySchedule &week, const std::vector<int> &days,
                                        const CarriedSchedules *carried = nullptr);

// The record of a Download of images already made (WeekdayImages, Monday first), each named
// for the schedule `carried` says it carries.
TransferRecord imagesTransferRecord(const TransferOutcome &outcome, const std::array<DayImage, 7> &images,
                                    const CarriedSchedules &carried);

// The record a Download, ALL Clear or Upload outcome makes, without port and file.
TransferRecord dayTransferRecord(const TransferOutcome &outcome, const WeeklySchedule &week,
                                 const CarriedSchedules *carried = nullptr);
