// libFuzzer target: a calendar file made of the lines holiday calendars hold, with random
// values (dates, rules, zones, durations), read by the calendar-file reader, whose findings are
// then checked.
// Built and run by scripts/fuzz.sh under AddressSanitizer and UndefinedBehaviorSanitizer.

#include "calendar/IcsReading.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

const char *const kLines[] = {
    "BEGIN:VEVENT",
    "END:VEVENT",
    "DTSTART;VALUE=DATE:",
    "DTSTART:",
    "DTSTART;TZID=Europe/Madrid:",
    "DTEND;VALUE=DATE:",
    "DTEND:",
    "DURATION:",
    "RRULE:",
    "RRULE:FREQ=",
    "EXDATE;VALUE=DATE:",
    "EXDATE:",
    "RDATE;VALUE=DATE:",
    "RDATE:",
    "RECURRENCE-ID;VALUE=DATE:",
    "RECURRENCE-ID:",
    "UID:",
    "SUMMARY:",
    "STATUS:",
    "BEGIN:VTIMEZONE",
    "END:VTIMEZONE",
    "BEGIN:VCALENDAR",
    "END:VCALENDAR",
    " ",
    "TZID:",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    QByteArray text = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < 200 && in.remaining_bytes() > 0; ++i) {
        text += kLines[in.ConsumeIntegralInRange<size_t>(0, std::size(kLines) - 1)];
        const std::string value = in.ConsumeRandomLengthString(40);
        text += QByteArray(value.data(), qsizetype(value.size())) + "\r\n";
    }
    text += "END:VCALENDAR\r\n";

    const QDate today(2027, 3, 1);
    const IcsReading reading = readIcs(text, today);
    if (reading.refusal && !reading.occurrences.empty())
        std::abort();
    if (reading.occurrences.size() > size_t(kMaxIcsOccurrences))
        std::abort();
    for (const IcsOccurrence &o : reading.occurrences) {
        if (!o.first.isValid() || !o.last.isValid() || o.last < o.first || o.past != (o.last < today))
            std::abort();
        for (QChar c : o.summary) {
            if (c.category() == QChar::Other_Control)
                std::abort();
        }
    }
    return 0;
}
