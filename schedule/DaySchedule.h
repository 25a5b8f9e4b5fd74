#pragma once

#include "schedule/ScheduleEntry.h"

#include <vector>

// The entries of one weekday at positions 1..count. Storage is allocated once for every
// position a day can hold; position 0 is never an entry. A day holds at most one entry per
// minute of the day, so a full device image fits without loss.
class DaySchedule {
public:
    static constexpr int kCapacity = 1440;

    DaySchedule();

    int count() const { return m_count; }
    bool isFull() const { return m_count >= kCapacity; }

    // Sets the count; a value outside 0..kCapacity is refused.
    bool setCount(int count);

    // Position p, 0..kCapacity; any other position reads as an empty entry.
    const ScheduleEntry &entry(int position) const;

    // Writes position p (0..kCapacity) without touching the count. False when p is out of range.
    bool setEntry(int position, const ScheduleEntry &entry);

    // Writes the entry after the last one. False when the day is full.
    bool append(const ScheduleEntry &entry);

    // Count 0; texts beyond the count are ignored everywhere, so they are left as they are.
    void clear() { m_count = 0; }

    // Positions 1..count, in order.
    std::vector<ScheduleEntry> entries() const;

    // Positions first..first+removed-1 give way to the entries given; the positions after them
    // move up or down. False (nothing changed) when the range lies outside 1..count+1 or the
    // result would exceed the capacity.
    bool replaceRange(int first, int removed, const std::vector<ScheduleEntry> &inserted);

    // Copies positions and count without reallocating.
    void copyFrom(const DaySchedule &other);

    // Equal counts and equal entries at positions 1..count.
    bool sameEntries(const DaySchedule &other) const;

private:
    std::vector<ScheduleEntry> m_positions;
    int m_count = 0;
};
