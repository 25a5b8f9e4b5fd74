#pragma once

#include "schedule/DaySchedule.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// One minute of the device's weekday image: four bytes, each a fixed upper half and a 4-bit
// value, so every byte lies between 0x30 and 0x4F.
struct MinuteSlot {
    static constexpr uint8_t kAcOff = 0x01;
    static constexpr uint8_t kMelody = 0x02;
    static constexpr uint8_t kVoice = 0x04;
    static constexpr uint8_t kAcOn = 0x08;
    static constexpr std::array<uint8_t, 4> kBlank = {0x30, 0x40, 0x30, 0x40};

    uint8_t flags = 0x30; // AC off / melody / voice / AC on
    uint8_t voice = 0x40; // voice number
    uint8_t melody = 0x30; // melody number
    uint8_t channels = 0x40; // CH1..CH4

    // No flag set: the slot holds no event, whatever its other bytes say.
    bool isEmpty() const { return (flags & 0x3F) == 0x30; }
};

// The texts a decoded slot gets where the device's reading and Auto Setup's differ.
struct SlotTexts {
    std::string noSound; // MelodyVoice of a slot with neither melody nor voice
    std::string noSoundSelection; // its Selection
    std::string melodyZero; // Selection of Melody 0

    static SlotTexts device() { return {" ", "0", "0"}; }
    static SlotTexts autoSetup() { return {"", "", ""}; }
};

// The entry for a non-empty slot at `minute`.
ScheduleEntry decodeSlot(int minute, const MinuteSlot &slot, const SlotTexts &texts);

// The device's form of one weekday: 1440 slots, slot n for minute n, 5760 bytes, slot 0 first.
class DayImage {
public:
    static constexpr int kSlots = 1440;
    static constexpr size_t kSize = kSlots * 4;

    DayImage() { Clear(); }

    // The blank image: 0x30 0x40 repeated.
    void Clear();

    // Clears, then ORs every entry of the day into the slot of its minute; entries sharing a
    // minute merge. Entries whose time is not a valid HH:MM are skipped.
    void Encode(const DaySchedule &day);

    bool CheckLines() const { return CheckLines(m_bytes.data(), m_bytes.size()); }
    DaySchedule Decode() const { return Decode(m_bytes.data(), m_bytes.size()); }

    // The consistency test applied to a received image: it fails when in some slot both the
    // upper halves of bytes 0 and 2 and those of bytes 1 and 3 differ. Fewer than 5760 bytes
    // fail too.
    static bool CheckLines(const uint8_t *data, size_t size);

    // One entry per non-empty slot in slot order, numbered from 1. Reads whole slots only and
    // never past size.
    static DaySchedule Decode(const uint8_t *data, size_t size);

    MinuteSlot slot(int minute) const;

    const std::array<uint8_t, kSize> &bytes() const { return m_bytes; }
    std::array<uint8_t, kSize> &bytes() { return m_bytes; }

private:
    std::array<uint8_t, kSize> m_bytes{};
};

// The seven weekdays' images, Monday first.
using WeekdayImages = std::array<DayImage, 7>;
