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

bool DaySchedule::replaceRange(int first, int removed, const std::vector<ScheduleEntry> &inserted)
{
    if (first < 1 || removed < 0 || first + removed > m_count + 1)
        return false;
    const int added = int(inserted.size());
    const int newCount = m_count - removed + added;
    if (newCount > kCapacity)
        return false;
    const auto at = m_positions.begin() + first;
    const auto tail = at + removed;
    const auto end = m_positions.begin() + 1 + m_count;
    // The tail moves within the one allocation, so a step on a full day copies nothing twice.
    if (added < removed)
        std::move(tail, end, at + added);
    else if (added > removed)
        std::move_backward(tail, end, end + (added - removed));
    std::copy(inserted.begin(), inserted.end(), at);
    m_count = newCount;
    return true;
}
