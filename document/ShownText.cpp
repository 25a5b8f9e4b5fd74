#include "document/ShownText.h"

#include "schedule/TimeText.h"

#include <cstdio>
#include <QCoreApplication>

namespace {
const char *const kOn = "ON";

std::string twoDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}
// the stored texts of the toggled cells, each with its translation
const char *const kShownTexts[] = {
    QT_TRANSLATE_NOOP("ShownText", "AM"),     QT_TRANSLATE_NOOP("ShownText", "PM"),
    QT_TRANSLATE_NOOP("ShownText", "Melody"), QT_TRANSLATE_NOOP("ShownText", "Voice"),
    QT_TRANSLATE_NOOP("ShownText", "ON"),     QT_TRANSLATE_NOOP("ShownText", "OFF"),
};
} // namespace

QString shownCellText(int column, const std::string &stored)
{
    const QString text = QString::fromStdString(stored);
    if (column == kColumnId || column == kColumnTime || column == kColumnSelection)
        return text;
    for (const char *known : kShownTexts) {
        if (stored == known)
            return QCoreApplication::translate("ShownText", known);
    }
    return text; // a foreign text in the file is shown as it stands
}

QString shownColumnHeader(int column)
{
    return QCoreApplication::translate("ListColumns", kColumnHeaders[size_t(column)]);
}

ListRow shownRow(const ScheduleEntry &entry, int id)
{
    ListRow row;
    row[kColumnId] = std::to_string(id);

    // A time that names no minute shows empty, as it is neither sent nor sorted.
    const std::optional<int> minute = minuteOfDay(entry.Time);
    const int hour = minute ? *minute / 60 : 0;
    row[kColumnAmPm] = hour >= 12 ? "PM" : "AM";
    row[kColumnTime] = minute ? twoDigits(hour > 12 ? hour - 12 : hour) + ":" + twoDigits(*minute % 60) : std::string();

    row[kColumnMelodyVoice] = entry.MelodyVoice;
    row[kColumnSelection] = entry.Selection;
    row[kColumnAc] = entry.AC;
    const std::string *channels[4] = {&entry.CH1, &entry.CH2, &entry.CH3, &entry.CH4};
    for (int c = 0; c < 4; ++c)
        row[kColumnCh1 + c] = *channels[c] == "1" ? kOn : "";
    return row;
}

std::string storedTimeFromShown(const std::string &amPm, const std::string &time)
{
    std::string t = time;
    if (amPm == "PM" && t.size() >= 2) {
        const std::string hh = t.substr(0, 2);
        // Shown hours 00..11 move to 12..23 digit by digit; 08 and 09 would carry.
        if (hh == "08")
            t.replace(0, 2, "20");
        else if (hh == "09")
            t.replace(0, 2, "21");
        else if (hh != "12") {
            t[0] = char(t[0] + 1);
            t[1] = char(t[1] + 2);
        }
    }
    return std::string(kTimePrefixLength, ' ') + t;
}

ScheduleEntry storedEntry(const ListRow &row)
{
    ScheduleEntry e;
    e.Time = storedTimeFromShown(row[kColumnAmPm], row[kColumnTime]);
    e.MelodyVoice = row[kColumnMelodyVoice];
    e.Selection = row[kColumnSelection];
    e.AC = row[kColumnAc];
    std::string *channels[4] = {&e.CH1, &e.CH2, &e.CH3, &e.CH4};
    for (int c = 0; c < 4; ++c)
        *channels[c] = row[kColumnCh1 + c] == kOn ? "1" : "0";
    return e;
}

std::string toggledAmPm(const std::string &text)
{
    return text == "AM" ? "PM" : "AM";
}

std::string toggledMelodyVoice(const std::string &text)
{
    if (text == "Melody")
        return "Voice";
    if (text == "Voice")
        return "";
    if (text.empty())
        return "Melody";
    return text;
}

std::string toggledAc(const std::string &text)
{
    if (text == "ON")
        return "OFF";
    if (text == "OFF")
        return "";
    if (text.empty())
        return "ON";
    return text;
}

std::string toggledChannel(const std::string &text)
{
    return text == kOn ? "" : kOn;
}

TimeCommit committedTime(const std::string &typed, const std::string &amPm)
{
    TimeCommit result;
    const size_t colon = typed.rfind(':');
    const std::string hours = colon == std::string::npos ? std::string() : typed.substr(0, colon);
    const std::string minutes = colon == std::string::npos ? typed : typed.substr(colon + 1);
    int h = readNumber(hours);
    const int m = readNumber(minutes);

    std::string half = amPm;
    bool toPm = false;
    if (h >= 13 && h <= 23) {
        h -= 12;
        half = "PM";
        toPm = true;
    }
    if (m < 0 || m > 59)
        return result; // refused: the row keeps its half of the day too
    if ((half == "PM" && h >= 1 && h <= 12) || (half == "AM" && h >= 0 && h <= 11)) {
        // Minutes are written from their value, so "045" cannot leave a three-digit minute.
        result.time = twoDigits(h) + ":" + twoDigits(m);
        if (toPm)
            result.amPm = half;
    }
    return result;
}

std::optional<std::string> committedSelection(const std::string &typed, const std::string &melodyVoice)
{
    const int n = readNumber(typed);
    if (n < 1 || n > 15)
        return std::nullopt;
    if (melodyVoice.empty())
        return std::string("0");
    // Kept as typed ("07" stays "07"); a ":" typed into this editor is no part of a number.
    if (typed.find_first_not_of("0123456789") == std::string::npos)
        return typed;
    return std::to_string(n);
}
