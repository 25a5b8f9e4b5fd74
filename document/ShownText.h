#pragma once

#include "document/ListColumns.h"
#include "schedule/ScheduleEntry.h"

#include <optional>
#include <QString>
#include <string>

// Conversions between an entry's stored texts and the texts the list shows, and the rules
// for the cells the operator changes in place.

// The row showing entry k (ID k): 12-hour time with AM/PM, "ON"/"" channels.
ListRow shownRow(const ScheduleEntry &entry, int id);

// What a cell shows for the stored text it holds: the row keeps "Melody", "ON", "AM" as they
// are stored, and only the table shows them in the operator's language.
QString shownCellText(int column, const std::string &stored);

// A column's header in the operator's language.
QString shownColumnHeader(int column);

// The entry a row stands for: 24-hour time behind eleven blanks, "1"/"0" channels.
ScheduleEntry storedEntry(const ListRow &row);

// The stored Time for a shown AM/PM and 12-hour HH:MM.
std::string storedTimeFromShown(const std::string &amPm, const std::string &time);

// One step of each toggle cell; texts outside the cycle stay as they are where noted.
std::string toggledAmPm(const std::string &text); // "AM" -> "PM", anything else -> "AM"
std::string toggledMelodyVoice(const std::string &text); // Melody -> Voice -> "" -> Melody
std::string toggledAc(const std::string &text); // ON -> OFF -> "" -> ON
std::string toggledChannel(const std::string &text); // "ON" -> "", anything else -> "ON"

// What committing the Time editor does to a row: a new Time text (when the time fits the
// row's half of the day) and with it a new AM/PM (when 13..23 was typed). A refused time
// changes neither.
struct TimeCommit {
    std::optional<std::string> amPm;
    std::optional<std::string> time;
};
TimeCommit committedTime(const std::string &typed, const std::string &amPm);

// The Selection cell after committing typed text: the text as typed when it is a number from
// 1 to 15 (digits only, "07" included), "0" on a row without Melody/Voice; nothing when the
// value is refused.
std::optional<std::string> committedSelection(const std::string &typed, const std::string &melodyVoice);
