#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// What was done with the device.
enum class JournalKind { Download, AllClear, Upload, Comparison, ClockSet };

// How it ended.
enum class JournalOutcome { Completed, Refused, NoResponse, LineError, Cancelled, PortFailed };

// One weekday's image as it went to or came from the device.
struct JournalImage {
    int day = 0; // 1 = Monday .. 7 = Sunday
    QByteArray image; // the 5760 bytes; empty when a query left the bytes out
    QByteArray sha256; // hex, of the image; filled in by the journal when recording
    // The schedule the image carried when it was sent: the weekday's name ("Monday") or the day
    // program's ("Exam day"); empty when not known (readings, and entries of older versions).
    QString schedule;
    bool program = false; // the schedule was a day program, not the regular weekday
};

// The schedule a weekday's image carries when sent: the weekday itself, or a day program.
struct CarriedSchedule {
    QString name; // "Monday", "Exam day"
    bool program = false;
};
using CarriedSchedules = std::array<CarriedSchedule, 7>; // Monday first

struct JournalEntry {
    qint64 id = 0; // given by the journal
    QDateTime when;
    JournalKind kind = JournalKind::Download;
    QString port;
    QString file; // the schedule file, empty when none was open
    std::vector<int> weekdays; // the weekdays asked for, 1..7
    std::vector<JournalImage> images;
    JournalOutcome outcome = JournalOutcome::Completed;
    std::optional<int> clockOffsetSeconds; // device ahead of the computer: positive
};

// Stable names, as stored: "download", "completed", ...
QString journalKindName(JournalKind kind);
QString journalOutcomeName(JournalOutcome outcome);
std::optional<JournalKind> journalKindFromName(const QString &name);
std::optional<JournalOutcome> journalOutcomeFromName(const QString &name);
