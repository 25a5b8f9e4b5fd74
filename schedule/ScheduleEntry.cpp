#include "schedule/ScheduleEntry.h"

namespace {
std::string ScheduleEntry::*const kFields[ScheduleEntry::kFieldCount] = {
    &ScheduleEntry::Time, &ScheduleEntry::MelodyVoice, &ScheduleEntry::Selection, &ScheduleEntry::AC,
    &ScheduleEntry::CH1,  &ScheduleEntry::CH2,         &ScheduleEntry::CH3,       &ScheduleEntry::CH4,
};
}

std::string &ScheduleEntry::field(int index)
{
    return this->*kFields[index < 0 || index >= kFieldCount ? 0 : index];
}

const std::string &ScheduleEntry::field(int index) const
{
    return this->*kFields[index < 0 || index >= kFieldCount ? 0 : index];
}
