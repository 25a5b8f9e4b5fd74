#pragma once

#include "document/ListColumns.h"

#include <QString>
#include <string>

class WeeklySchedule;

// What a cell of the list means, in words a screen reader can say: "ch2 off", "AC on",
// "no Melody or Voice". The table keeps showing the stored texts as they are; this is only
// what is read aloud. `shown` is the cell's text in the row as shownRow() makes it.
QString cellMeaning(int column, const std::string &shown);

// The list's name for the day it shows: "Schedule of Monday", or of a day program's name.
QString listNameFor(const WeeklySchedule &week, int dayNumber);
