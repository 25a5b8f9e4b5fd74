#pragma once

#include <QString>

#include <array>

// Rows of a schedule file that a load could not show, counted per weekday and reason. Such
// rows are not in the model, so the next Save does not keep them.
struct LeftOutRows {
    enum Reason {
        IdOutOfRange, // an ID below 1 or above the day's capacity
        IdNotWhole, // an ID that is not a whole number (text, fraction, NULL, blob)
        IdRepeated, // a second row with an ID already read
        FieldTooLong, // a field longer than a schedule field holds
        kReasonCount
    };

    std::array<std::array<int, kReasonCount>, 7> counts{}; // [day 1..7 - 1][reason]

    void add(int dayNumber, Reason reason) { ++counts[size_t(dayNumber - 1)][reason]; }
    int total() const;
    bool empty() const { return total() == 0; }

    // One line per weekday with rows left out, e.g. "Monday: 2 rows with an ID outside 1 to 1440".
    QString describe() const;
};
