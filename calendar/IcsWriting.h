#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

// One date as an all-day event of a calendar that people subscribe to.
struct DayEvent {
    QDate date;
    QString summary;
    QString uid; // the same for the same date on every export, so a calendar updates it
};

// An iCalendar file of the days, each an all-day event (DTEND the day after) that leaves the
// day free for meetings. stamp (DTSTAMP) is when the file is made.
QByteArray writeDayEvents(const std::vector<DayEvent> &days, const QDateTime &stamp);
