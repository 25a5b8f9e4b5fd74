#include "calendar/IcsWriting.h"

#include "calendar/IcalHandles.h"

namespace {

icaltimetype dateValue(const QDate &date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

icaltimetype utcValue(const QDateTime &when)
{
    const QDateTime utc = when.toUTC();
    icaltimetype t = icaltime_null_time();
    t.year = utc.date().year();
    t.month = utc.date().month();
    t.day = utc.date().day();
    t.hour = utc.time().hour();
    t.minute = utc.time().minute();
    t.second = utc.time().second();
    t.zone = icaltimezone_get_utc_timezone();
    return t;
}

} // namespace

QByteArray writeDayEvents(const std::vector<DayEvent> &days, const QDateTime &stamp)
{
    icalerror_set_errors_are_fatal(0);
    ComponentHandle calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Tavrin//tavrin-cli plan//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype made = utcValue(stamp);
    for (const DayEvent &day : days) {
        icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(day.uid.toUtf8().constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(made));
        icalcomponent_add_property(event, icalproperty_new_dtstart(dateValue(day.date)));
        icalcomponent_add_property(event, icalproperty_new_dtend(dateValue(day.date.addDays(1))));
        icalcomponent_add_property(event, icalproperty_new_summary(day.summary.toUtf8().constData()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar.get(), event);
    }
    return icalText(calendar.get());
}
