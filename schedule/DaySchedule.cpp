#include "schedule/DaySchedule.h"

#include <algorithm>

DaySchedule::DaySchedule()
    : m_positions(kCapacity + 1)
{
}

bool DaySchedule::setCount(int count)
{
    if (count < 0 || count > kCapacity)
        return false;
    m_count = count;
    return true;
}

const ScheduleEntry &DaySchedule::entry(int position) const
{
    static const ScheduleEntry empty;
    if (position < 0 || position > kCapacity)
        return empty;
    return m_positions[position];
}

bool DaySchedule::setEntry(int position, const ScheduleEntry &entry)
{
    if (position < 0 || position > kCapacity)
        return false;
    m_positions[position] = entry;
    return true;
}

bool DaySchedule::append(const ScheduleEntry &entry)
{
    if (isFull())
        return false;
    m_positions[++m_count] = entry;
    return true;
}

std::vector<ScheduleEntry> DaySchedule::entries() const
{
    return {m_positions.begin() + 1, m_positions.begin() + 1 + m_count};
}

void DaySchedule::copyFrom(const DaySchedule &other)
{
    std::copy(other.m_positions.begin(), other.m_positions.end(), m_positions.begin());
    m_count = other.m_count;
}

bool DaySchedule::sameEntries(const DaySchedule &other) const
{
    return m_count == other.m_count
        && std::equal(m_positions.begin() + 1, m_positions.begin() + 1 + m_count, other.m_positions.begin() + 1);
}
