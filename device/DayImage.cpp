#include "device/DayImage.h"

#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"
#include "schedule/Weekday.h"

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
    const size_t slots = std::min(size, kSize) / 4;
    for (size_t n = 0; n < slots; ++n) {
        const uint8_t *s = data + n * 4;
        const uint8_t f = s[0] & 0x3F;
        if (f == 0x30)
            continue;
        ScheduleEntry e;
        e.Time = storedTime(int(n / 60), int(n % 60));
        if (f & MinuteSlot::kMelody) {
            e.MelodyVoice = "Melody";
            e.Selection = std::to_string(s[2] & 0x0F);
        } else if (f & MinuteSlot::kVoice) {
            e.MelodyVoice = "Voice";
            e.Selection = std::to_string(s[1] & 0x0F);
        } else {
            e.MelodyVoice = " ";
            e.Selection = "0";
        }
        if (f & MinuteSlot::kAcOn)
            e.AC = "ON";
        else if (f & MinuteSlot::kAcOff)
            e.AC = "OFF";
        std::string *channels[4] = {&e.CH1, &e.CH2, &e.CH3, &e.CH4};
        for (int c = 0; c < 4; ++c)
            *channels[c] = (s[3] & (1 << c)) ? kChannelOn : kChannelOff;
        day.append(e); // at most one entry per slot: never more than the day holds
    }
    return day;
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

std::vector<UnsentEntry> entriesNotEncoded(const DaySchedule &day)
{
    std::vector<UnsentEntry> unsent;
    for (int p = 1; p <= day.count(); ++p) {
        const ScheduleEntry &e = day.entry(p);
        UnsentEntry u;
        u.position = p;
        const std::optional<int> minute = minuteOfDay(e.Time);
        if (!minute) {
            u.reason = UnsentEntry::Reason::NoTime;
            const size_t first = e.Time.find_first_not_of(' ');
            u.time = first == std::string::npos ? std::string() : e.Time.substr(first);
            unsent.push_back(u);
            continue;
        }
        u.time = storedTime(*minute / 60, *minute % 60).substr(11, 5);
        const bool melodyOrVoice = e.MelodyVoice == "Voice" || e.MelodyVoice == "Melody";
        const int number = readNumber(e.Selection);
        if (melodyOrVoice && number > 15) {
            u.reason = UnsentEntry::Reason::SelectionAbove15;
            u.selection = number;
            unsent.push_back(u);
        } else if (!melodyOrVoice && e.AC != "ON" && e.AC != "OFF") {
            u.reason = UnsentEntry::Reason::NothingToDo;
            unsent.push_back(u);
        }
    }
    return unsent;
}

std::string describeUnsent(const UnsentEntry &entry)
{
    switch (entry.reason) {
    case UnsentEntry::Reason::NoTime:
        return "Time \"" + entry.time + "\" is not a time of day";
    case UnsentEntry::Reason::SelectionAbove15:
        return "Selection " + std::to_string(entry.selection) + " at " + entry.time + " is above 15";
    case UnsentEntry::Reason::NothingToDo:
        return entry.time + " has neither Melody/Voice nor AC";
    }
    return {};
}

std::vector<UnsentWeekdayEntry> weekEntriesNotEncoded(const WeeklySchedule &week)
{
    std::vector<UnsentWeekdayEntry> unsent;
    for (int d = kMonday; d <= kSunday; ++d) {
        for (const UnsentEntry &u : entriesNotEncoded(week.day(d)))
            unsent.push_back(UnsentWeekdayEntry{d, u});
    }
    return unsent;
}

std::string describeUnsent(const UnsentWeekdayEntry &entry)
{
    static const char *const kNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    const std::string day = isWeekday(entry.dayNumber) ? kNames[entry.dayNumber - 1] : "Day " + std::to_string(entry.dayNumber);
    return day + ", entry " + std::to_string(entry.entry.position) + ": " + describeUnsent(entry.entry);
}
