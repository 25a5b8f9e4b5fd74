#include "device/WeekComparison.h"

#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <cstring>

std::optional<SlotEvent> SlotEvent::of(const MinuteSlot &slot, int minuteOfDay)
{
    if (slot.isEmpty() || minuteOfDay < 0 || minuteOfDay >= DayImage::kSlots)
        return std::nullopt;
    SlotEvent e;
    const int hour = minuteOfDay / 60;
    e.pm = hour >= 12;
    e.hour12 = hour > 12 ? hour - 12 : hour;
    e.minute = minuteOfDay % 60;
    // The device plays the melody when both flags are set, as the decoder reads it.
    if (slot.flags & MinuteSlot::kMelody) {
        e.sound = Sound::Melody;
        e.selection = slot.melody & 0x0F;
    } else if (slot.flags & MinuteSlot::kVoice) {
        e.sound = Sound::Voice;
        e.selection = slot.voice & 0x0F;
    }
    if (slot.flags & MinuteSlot::kAcOn)
        e.ac = Ac::On;
    else if (slot.flags & MinuteSlot::kAcOff)
        e.ac = Ac::Off;
    for (int c = 0; c < 4; ++c)
        e.channels[c] = (slot.channels & (1 << c)) != 0;
    return e;
}

WeekdayComparison compareDay(int day, const DayImage &file, const DayImage &device)
{
    WeekdayComparison result;
    result.day = day;
    const uint8_t *a = file.bytes().data();
    const uint8_t *b = device.bytes().data();
    if (std::memcmp(a, b, DayImage::kSize) == 0)
        return result;
    for (int n = 0; n < DayImage::kSlots; ++n) {
        if (std::memcmp(a + n * 4, b + n * 4, 4) == 0)
            continue;
        const MinuteSlot fileSlot = file.slot(n);
        const MinuteSlot deviceSlot = device.slot(n);
        if (fileSlot.isEmpty() && deviceSlot.isEmpty())
            continue;
        result.differences.push_back({n, SlotEvent::of(fileSlot, n), SlotEvent::of(deviceSlot, n)});
    }
    return result;
}

std::vector<WeekdayComparison> compareWeek(const WeekImages &file, const WeekImages &device)
{
    static const DayImage blank;
    std::vector<WeekdayComparison> week;
    for (const auto &[day, deviceImage] : device) {
        if (!isWeekday(day))
            continue;
        const auto fileImage = file.find(day);
        week.push_back(compareDay(day, fileImage != file.end() ? fileImage->second : blank, deviceImage));
    }
    return week;
}

WeekImages weekImages(const WeeklySchedule &week, const std::vector<int> &days)
{
    WeekImages images;
    for (int day : days) {
        if (isWeekday(day))
            images[day].Encode(week.day(day));
    }
    return images;
}

std::vector<int> differingDays(const std::vector<WeekdayComparison> &week)
{
    std::vector<int> days;
    for (const WeekdayComparison &day : week) {
        if (!day.same())
            days.push_back(day.day);
    }
    return days;
}

namespace {
// Hand-formatted: a full week of differences is five thousand lines, and printf per field is
// most of the time they take.
void appendTwoDigits(std::string &out, int value)
{
    out += char('0' + value / 10 % 10);
    out += char('0' + value % 10);
}

void appendNumber(std::string &out, int value)
{
    if (value >= 10)
        out += char('0' + value / 10 % 10);
    out += char('0' + value % 10);
}

void appendEventWords(std::string &out, const std::optional<SlotEvent> &event, const SoundNames *names)
{
    if (!event) {
        out += "(none)";
        return;
    }
    out += event->pm ? "PM " : "AM ";
    appendTwoDigits(out, event->hour12);
    out += ':';
    appendTwoDigits(out, event->minute);
    out += event->sound == SlotEvent::Sound::Melody ? " Melody "
        : event->sound == SlotEvent::Sound::Voice   ? " Voice "
                                                    : " - ";
    appendNumber(out, event->selection);
    out += event->ac == SlotEvent::Ac::On ? " ON" : event->ac == SlotEvent::Ac::Off ? " OFF" : " -";
    for (bool on : event->channels)
        out += on ? " 1" : " 0";
    if (!names || event->sound == SlotEvent::Sound::None)
        return;
    const QString name =
        names->name(event->sound == SlotEvent::Sound::Melody ? SoundKind::Melody : SoundKind::Voice, event->selection);
    if (name.isEmpty())
        return;
    // After the eight fields, in quotes (a quote in it doubled), so the fields stay where they were.
    out += " \"";
    for (char c : name.toStdString())
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    out += '"';
}
} // namespace

std::string eventWords(const std::optional<SlotEvent> &event, const SoundNames *names)
{
    std::string words;
    appendEventWords(words, event, names);
    return words;
}

std::vector<std::string> comparisonLines(const std::vector<WeekdayComparison> &week, const SoundNames *names)
{
    std::vector<std::string> lines;
    for (const WeekdayComparison &day : week) {
        const std::string name(weekdayName(day.day));
        if (day.same()) {
            lines.push_back(name + ": same");
            continue;
        }
        const size_t n = day.differences.size();
        lines.reserve(lines.size() + n + 1);
        lines.push_back(name + ": differs in " + std::to_string(n) + (n == 1 ? " minute" : " minutes"));
        for (const MinuteDifference &d : day.differences) {
            std::string line;
            line.reserve(96);
            line += name;
            line += ' ';
            appendTwoDigits(line, d.minuteOfDay / 60);
            line += ':';
            appendTwoDigits(line, d.minuteOfDay % 60);
            line += "  file: ";
            appendEventWords(line, d.file, names);
            line += "  device: ";
            appendEventWords(line, d.device, names);
            lines.push_back(std::move(line));
        }
    }
    return lines;
}
