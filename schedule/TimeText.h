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

// Minute of the day (0..1439) a stored time names; nothing when the text is too short to hold
// HH:MM at its place or the hour or minute is out of range.
std::optional<int> minuteOfDay(std::string_view stored);

// The five characters HH:MM after the prefix (what a date-prefixed time shows as); as much of
// them as the text holds.
std::string timeOfDayText(std::string_view stored);

// The stored form the program writes: eleven blanks and HH:MM, date and seconds dropped.
std::string withBlankPrefix(std::string_view stored);
