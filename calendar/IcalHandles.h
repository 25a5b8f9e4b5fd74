#pragma once

#include <QByteArray>

#include <libical/ical.h>

#include <memory>

// libical's components owned the C++ way. Only this folder sees libical.

struct ComponentFree {
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using ComponentHandle = std::unique_ptr<icalcomponent, ComponentFree>;

// The component the text holds; nullptr when libical finds none. libical's errors never
// abort the program: a bad file is the file's fault.
ComponentHandle parseIcal(const QByteArray &text);

// The component as iCalendar text, lines ended by CRLF.
QByteArray icalText(icalcomponent *component);
