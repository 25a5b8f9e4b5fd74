#pragma once

#include <optional>
#include <string>
#include <string_view>

// Stored times are an 11-character prefix and HH:MM on the 24-hour clock: eleven blanks when
// made in the program, a date when read back from a database (which also adds ":SS").
constexpr size_t kTimePrefixLength = 11;

// The number a text starts with: leading blanks skipped, decimal digits up to the first
// non-digit; a text without digits counts as 0. Saturates instead of overflowing.
int readNumber(std::string_view text);

// "           HH:MM" for an hour and minute.
std::string storedTime(int hour, int minute);

// Minute of the day (0..1439) a stored time names: the hour read from the two characters after
// the prefix, the minute from the two after the colon, each by readNumber, so "           7:05"
// and "           07:5" are 07:05 as the device takes them. A text too short to hold a prefix
// is a bare time ("07:05"), read the same way after its leading blanks. Nothing when neither
// place holds a digit or the hour or minute is out of range. Every reader of a Time goes
// through this.
std::optional<int> minuteOfDay(std::string_view stored);

// "HH:MM" of a minute of the day (0..1439).
std::string minuteText(int minuteOfDay);

// "HH:MM" of the minute a stored time names, or empty when it names none.
std::string timeOfDayText(std::string_view stored);

// The stored form the program writes: eleven blanks and HH:MM, date and seconds dropped; a
// text that names no time is kept as it is.
std::string withBlankPrefix(std::string_view stored);
