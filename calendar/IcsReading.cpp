#include "calendar/IcsReading.h"

#include "calendar/IcalHandles.h"

#include <QDateTime>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

// Iterator steps a whole file may take, past occurrences included: a rule with COUNT cannot
// start at today and runs from its DTSTART. Far above any holiday calendar; a rule that would
// take longer is refused as too many occurrences rather than left running.
constexpr int kMaxRecurrenceSteps = 500000;

// A summary is shown in one row and may become a calendar entry's note.
constexpr int kMaxSummaryLength = 200;

struct IteratorFree {
    void operator()(icalrecur_iterator *it) const { icalrecur_iterator_free(it); }
};
using IteratorHandle = std::unique_ptr<icalrecur_iterator, IteratorFree>;

// The first line that is not blank opens a calendar.
bool opensACalendar(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    rest = rest.trimmed();
    return rest.size() >= 15 && rest.first(15).compare("BEGIN:VCALENDAR", Qt::CaseInsensitive) == 0;
}

QDate dateOf(const icaltimetype &t)
{
    return QDate(t.year, t.month, t.day);
}

bool sameStart(const icaltimetype &a, const icaltimetype &b)
{
    if (dateOf(a) != dateOf(b))
        return false;
    // a date against a date-time: the day is what counts
    return a.is_date || b.is_date || (a.hour == b.hour && a.minute == b.minute && a.second == b.second);
}

QString oneLine(const char *text)
{
    QString line = QString::fromUtf8(text ? text : "").simplified();
    line.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (line.size() > kMaxSummaryLength)
        line.truncate(kMaxSummaryLength);
    return line;
}

// Its start as written (a TZID is not looked up: no date moves), and how many days after its
// first date its last date falls.
struct EventTimes {
    icaltimetype start{};
    bool allDay = true;
    int extraDays = 0;
};

int secondsOf(const icaldurationtype &d)
{
    return d.is_neg ? 0 : icaldurationtype_as_int(d);
}

std::optional<EventTimes> timesOf(icalcomponent *event)
{
    icalproperty *startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!startProperty)
        return std::nullopt;
    EventTimes times;
    times.start = icalproperty_get_dtstart(startProperty);
    const QDate first = dateOf(times.start);
    if (icaltime_is_null_time(times.start) || !first.isValid())
        return std::nullopt;
    times.allDay = times.start.is_date;

    QDate last = first;
    icalproperty *endProperty = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
    icalproperty *durationProperty = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY);
    if (times.allDay) {
        if (endProperty) {
            last = dateOf(icalproperty_get_dtend(endProperty)).addDays(-1); // DTEND is the day after
        } else if (durationProperty) {
            const int seconds = secondsOf(icalproperty_get_duration(durationProperty));
            last = first.addDays((seconds + 86399) / 86400 - 1);
        }
    } else {
        QDateTime end;
        const QDateTime start(first, QTime(times.start.hour, times.start.minute, times.start.second));
        if (endProperty) {
            const icaltimetype e = icalproperty_get_dtend(endProperty);
            end = QDateTime(dateOf(e), QTime(e.hour, e.minute, e.second));
        } else if (durationProperty) {
            end = start.addSecs(secondsOf(icalproperty_get_duration(durationProperty)));
        }
        if (end.isValid()) {
            // an event ending at midnight does not reach into the next day
            last = end.time() == QTime(0, 0) && end.date() > first ? end.date().addDays(-1) : end.date();
        }
    }
    if (last.isValid() && last > first)
        times.extraDays = int(std::min<qint64>(first.daysTo(last), 36600));
    return times;
}

bool isCancelled(icalcomponent *event)
{
    icalproperty *status = icalcomponent_get_first_property(event, ICAL_STATUS_PROPERTY);
    return status && icalproperty_get_status(status) == ICAL_STATUS_CANCELLED;
}

QString uidOf(icalcomponent *event)
{
    icalproperty *uid = icalcomponent_get_first_property(event, ICAL_UID_PROPERTY);
    return uid ? QString::fromUtf8(icalproperty_get_uid(uid)) : QString();
}

std::vector<icaltimetype> timesIn(icalcomponent *event, icalproperty_kind kind)
{
    std::vector<icaltimetype> times;
    for (icalproperty *p = icalcomponent_get_first_property(event, kind); p;
         p = icalcomponent_get_next_property(event, kind)) {
        if (kind == ICAL_EXDATE_PROPERTY) {
            times.push_back(icalproperty_get_exdate(p));
        } else if (kind == ICAL_RECURRENCEID_PROPERTY) {
            times.push_back(icalproperty_get_recurrenceid(p));
        } else {
            const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
            times.push_back(icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time);
        }
    }
    return times;
}

class Expansion {
public:
    explicit Expansion(const QDate &today)
        : m_today(today)
        , m_end(today.addDays(kIcsHorizonDays))
    {
    }

    std::optional<IcsRefusal> refusal;

    void addEvent(icalcomponent *event, const std::vector<icaltimetype> &replaced);
    std::vector<IcsOccurrence> take();

private:
    // false once the file expands to too many
    bool add(const IcsOccurrence &base, const QDate &first, int extraDays, bool inWindowOnly);
    void expandRule(icalproperty *rule, const EventTimes &times, const IcsOccurrence &base,
                    const std::vector<icaltimetype> &skipped);

    QDate m_today;
    QDate m_end; // the first date past the window
    int m_steps = 0;
    std::vector<IcsOccurrence> m_found;
};

bool Expansion::add(const IcsOccurrence &base, const QDate &first, int extraDays, bool inWindowOnly)
{
    const QDate last = first.addDays(extraDays);
    if (!first.isValid() || !last.isValid())
        return true;
    if (inWindowOnly && (last < m_today || first >= m_end))
        return true;
    if (m_found.size() >= size_t(kMaxIcsOccurrences)) {
        refusal = IcsRefusal::TooManyOccurrences;
        return false;
    }
    IcsOccurrence occurrence = base;
    occurrence.first = first;
    occurrence.last = last;
    occurrence.past = last < m_today;
    m_found.push_back(std::move(occurrence));
    return true;
}

void Expansion::expandRule(icalproperty *rule, const EventTimes &times, const IcsOccurrence &base,
                           const std::vector<icaltimetype> &skipped)
{
    const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
    IteratorHandle it(icalrecur_iterator_new(recurrence, times.start));
    if (!it)
        return; // a rule libical cannot follow: the event keeps its first occurrence alone
    // Without COUNT the iterator can begin near today; an occurrence that started up to
    // extraDays before today still reaches into the window.
    const QDate from = m_today.addDays(-times.extraDays);
    if (recurrence.count == 0 && dateOf(times.start) < from) {
        icaltimetype start = times.start;
        start.year = from.year();
        start.month = from.month();
        start.day = from.day();
        if (!start.is_date)
            start.hour = start.minute = start.second = 0;
        icalrecur_iterator_set_start(it.get(), start);
    }
    for (icaltimetype t = icalrecur_iterator_next(it.get()); !icaltime_is_null_time(t);
         t = icalrecur_iterator_next(it.get())) {
        if (++m_steps > kMaxRecurrenceSteps) {
            refusal = IcsRefusal::TooManyOccurrences;
            return;
        }
        const QDate first = dateOf(t);
        if (!first.isValid() || first >= m_end)
            return;
        if (std::any_of(skipped.begin(), skipped.end(), [&](const icaltimetype &s) { return sameStart(s, t); }))
            continue;
        if (!add(base, first, times.extraDays, true))
            return;
    }
}

void Expansion::addEvent(icalcomponent *event, const std::vector<icaltimetype> &replaced)
{
    if (isCancelled(event))
        return;
    const std::optional<EventTimes> times = timesOf(event);
    if (!times)
        return;
    IcsOccurrence base;
    base.uid = uidOf(event);
    base.summary = oneLine(icalcomponent_get_summary(event));
    base.allDay = times->allDay;

    const bool replacing = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
    icalproperty *rule = replacing ? nullptr : icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    const std::vector<icaltimetype> extra = timesIn(event, ICAL_RDATE_PROPERTY);
    if (!rule && extra.empty()) {
        // a single event is listed wherever it falls; one occurrence of a recurring one only
        // within the window, like the rest of its kind
        add(base, dateOf(times->start), times->extraDays, replacing);
        return;
    }
    std::vector<icaltimetype> skipped = timesIn(event, ICAL_EXDATE_PROPERTY);
    skipped.insert(skipped.end(), replaced.begin(), replaced.end());
    if (rule) {
        expandRule(rule, *times, base, skipped);
    } else if (std::none_of(skipped.begin(), skipped.end(),
                            [&](const icaltimetype &s) { return sameStart(s, times->start); })) {
        add(base, dateOf(times->start), times->extraDays, true);
    }
    for (const icaltimetype &t : extra) {
        if (refusal)
            return;
        if (std::none_of(skipped.begin(), skipped.end(), [&](const icaltimetype &s) { return sameStart(s, t); }))
            add(base, dateOf(t), times->extraDays, true);
    }
}

std::vector<IcsOccurrence> Expansion::take()
{
    std::stable_sort(m_found.begin(), m_found.end(), [](const IcsOccurrence &a, const IcsOccurrence &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.summary < b.summary;
    });
    // a rule and an RDATE may give the same date twice
    std::vector<IcsOccurrence> kept;
    kept.reserve(m_found.size());
    QSet<QPair<QString, QDate>> seen;
    for (IcsOccurrence &o : m_found) {
        if (o.uid.isEmpty() || !seen.contains({o.uid, o.first})) {
            seen.insert({o.uid, o.first});
            kept.push_back(std::move(o));
        }
    }
    return kept;
}

std::vector<icalcomponent *> eventsOf(icalcomponent *root)
{
    std::vector<icalcomponent *> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root);
    } else if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    std::vector<icalcomponent *> events;
    for (icalcomponent *calendar : calendars) {
        for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            events.push_back(e);
    }
    return events;
}

IcsReading refused(IcsRefusal why)
{
    IcsReading reading;
    reading.refusal = why;
    return reading;
}

} // namespace

IcsReading readIcs(const QByteArray &bytes, const QDate &today)
{
    if (bytes.size() > kMaxIcsBytes)
        return refused(IcsRefusal::TooLarge);
    if (!opensACalendar(bytes))
        return refused(IcsRefusal::NotICalendar);
    const ComponentHandle root = parseIcal(bytes);
    if (!root)
        return refused(IcsRefusal::NotICalendar);
    const std::vector<icalcomponent *> events = eventsOf(root.get());
    if (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT && events.empty()
        && !icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT))
        return refused(IcsRefusal::NotICalendar);
    if (events.size() > size_t(kMaxIcsEvents))
        return refused(IcsRefusal::TooManyEvents);

    // The occurrences that RECURRENCE-ID events replace, by UID, are left out of their rule.
    QHash<QString, std::vector<icaltimetype>> replaced;
    for (icalcomponent *event : events) {
        for (const icaltimetype &t : timesIn(event, ICAL_RECURRENCEID_PROPERTY))
            replaced[uidOf(event)].push_back(t);
    }
    Expansion expansion(today);
    static const std::vector<icaltimetype> none;
    for (icalcomponent *event : events) {
        const auto r = replaced.constFind(uidOf(event));
        expansion.addEvent(event, r == replaced.constEnd() ? none : *r);
        if (expansion.refusal)
            return refused(*expansion.refusal);
    }
    IcsReading reading;
    reading.occurrences = expansion.take();
    return reading;
}
