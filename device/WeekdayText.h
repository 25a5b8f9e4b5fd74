#pragma once

#include <QString>

#include <vector>

// A weekday (1 = Monday .. 7 = Sunday) as the operator reads it, in the program's language;
// empty for any other number.
QString weekdayText(int day);

// "Monday, Wednesday".
QString weekdayListText(const std::vector<int> &days);
