#include "device/DayImage.h"

#include "schedule/TimeText.h"

namespace {
const char *const kChannelOn = "1";
const char *const kChannelOff = "0";
} // namespace

void DayImage::Clear()
{
    for (size_t i = 0; i < kSize; i += 2) {
        m_bytes[i] = 0x30;
        m_bytes[i + 1] = 0x40;
    }
}

void DayImage::Encode(const DaySchedule &day)
{
    Clear();
    for (int p = 1; p <= day.count(); ++p) {
        const ScheduleEntry &e = day.entry(p);
        const std::optional<int> minute = minuteOfDay(e.Time);
        if (!minute)
            continue;
        const bool voice = e.MelodyVoice == "Voice";
        const bool melody = !voice && e.MelodyVoice == "Melody";
        const int number = readNumber(e.Selection);
        // A number the device cannot hold in its 4 bits would play some other message:
        // such an entry is left out rather than clipped.
        if ((voice || melody) && number > 15)
            continue;

        uint8_t *s = &m_bytes[size_t(*minute) * 4];
        if (voice) {
            s[0] |= MinuteSlot::kVoice;
            s[1] |= uint8_t(number);
        } else if (melody) {
            s[0] |= MinuteSlot::kMelody;
            s[2] |= uint8_t(number);
        }
        if (e.AC == "ON")
            s[0] |= MinuteSlot::kAcOn;
        else if (e.AC == "OFF")
            s[0] |= MinuteSlot::kAcOff;
        const std::string *channels[4] = {&e.CH1, &e.CH2, &e.CH3, &e.CH4};
        for (int c = 0; c < 4; ++c) {
            if (*channels[c] == kChannelOn)
                s[3] |= uint8_t(1 << c);
        }
    }
}

bool DayImage::CheckLines(const uint8_t *data, size_t size)
{
    if (data == nullptr || size < kSize)
        return false;
    for (size_t i = 0; i < kSize; i += 4) {
        const bool firstPairDiffers = (data[i] & 0xF0) != (data[i + 2] & 0xF0);
        const bool secondPairDiffers = (data[i + 1] & 0xF0) != (data[i + 3] & 0xF0);
        if (firstPairDiffers && secondPairDiffers)
            return false;
    }
    return true;
}

DaySchedule DayImage::Decode(const uint8_t *data, size_t size)
{
    DaySchedule day;
    if (data == nullptr)
        return day;
    const SlotTexts texts = SlotTexts::device();
    const size_t slots = std::min(size, kSize) / 4;
    for (size_t n = 0; n < slots; ++n) {
        const uint8_t *s = data + n * 4;
        const MinuteSlot slot{s[0], s[1], s[2], s[3]};
        if (slot.isEmpty())
            continue;
        day.append(decodeSlot(int(n), slot, texts)); // at most one entry per slot: never more than the day holds
    }
    return day;
}

ScheduleEntry decodeSlot(int minute, const MinuteSlot &slot, const SlotTexts &texts)
{
    const uint8_t f = slot.flags & 0x3F;
    const int voice = slot.voice & 0x0F;
    const int melody = slot.melody & 0x0F;

    ScheduleEntry e;
    e.Time = storedTime(minute / 60, minute % 60);
    if (f & MinuteSlot::kMelody) {
        e.MelodyVoice = "Melody";
        e.Selection = melody == 0 ? texts.melodyZero : std::to_string(melody);
    } else if (f & MinuteSlot::kVoice) {
        e.MelodyVoice = "Voice";
        e.Selection = std::to_string(voice);
    } else {
        e.MelodyVoice = texts.noSound;
        e.Selection = texts.noSoundSelection;
    }
    if (f & MinuteSlot::kAcOn)
        e.AC = "ON";
    else if (f & MinuteSlot::kAcOff)
        e.AC = "OFF";
    std::string *channels[4] = {&e.CH1, &e.CH2, &e.CH3, &e.CH4};
    for (int c = 0; c < 4; ++c)
        *channels[c] = (slot.channels & (1 << c)) ? kChannelOn : kChannelOff;
    return e;
}

MinuteSlot DayImage::slot(int minute) const
{
    MinuteSlot s;
    if (minute < 0 || minute >= kSlots)
        return s;
    const uint8_t *b = &m_bytes[size_t(minute) * 4];
    s.flags = b[0];
    s.voice = b[1];
    s.melody = b[2];
    s.channels = b[3];
    return s;
}
