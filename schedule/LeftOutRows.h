#pragma once

#include <QString>

#include <array>
#include <utility>
#include <vector>

// Rows of a schedule file that a load could not show, counted per weekday (or other place)
// and reason. Such rows are not in the model, so the next Save does not keep them.
struct LeftOutRows {
    enum Reason {
        IdOutOfRange, // an ID below 1 or above the day's capacity
        IdNotWhole, // an ID that is not a whole number (text, fraction, NULL, blob)
        IdRepeated, // a second row with an ID already read
        FieldTooLong, // a field longer than a schedule field holds
        ProgramNumberBad, // a program number that is not a whole number above "No bells"'s
        ProgramNumberRepeated,
        NameEmpty, // a program without a name
        NameRepeated, // a program named as one already read, in any letter case
        NoSuchProgram, // entries or a calendar entry for a program the file does not have
        NoBellsEntry, // an entry for "No bells", which never has any
        DateInvalid, // a calendar date that is not YYYY-MM-DD
        LastBeforeFirst,
        TooMany, // beyond the most programs or calendar entries a load takes
        ControlCharacter, // a field, program name or note holding a control character
        SoundUnknown, // a name for a sound that is not Melody or Voice 1..15
        SoundRepeated, // a second name for the same sound
        SoundNameTooLong,
        kReasonCount
    };
    using Counts = std::array<int, kReasonCount>;

    std::array<Counts, 7> counts{}; // [day 1..7 - 1][reason]
    // The rows of the day programs' and calendar tables, by where they belong ("Calendar",
    // "Program \"Exam day\"", ...), in the order first met.
    std::vector<std::pair<QString, Counts>> elsewhere;

    void add(int dayNumber, Reason reason) { ++counts[size_t(dayNumber - 1)][reason]; }
    void add(const QString &place, Reason reason);
    // The count for a place of `elsewhere`; 0 when it has none.
    int at(const QString &place, Reason reason) const;
    int total() const;
    bool empty() const { return total() == 0; }

    // One line per weekday or place with rows left out, e.g. "Monday: 2 rows with an ID
    // outside 1 to 1440", "Calendar: 1 row with the last date before the first".
    QString describe() const;
};
