#include "calendar/IcalHandles.h"

ComponentHandle parseIcal(const QByteArray &text)
{
    icalerror_set_errors_are_fatal(0);
    return ComponentHandle(icalparser_parse_string(text.constData()));
}

QByteArray icalText(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}
