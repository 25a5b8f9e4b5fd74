#include "calendar/IcsRefusalText.h"

#include <QCoreApplication>

QString icsRefusalText(IcsRefusal refusal, const QString &file)
{
    switch (refusal) {
    case IcsRefusal::NotICalendar:
        return QCoreApplication::translate("IcsRefusal", "\"%1\" is not an iCalendar file: nothing was imported.")
            .arg(file);
    case IcsRefusal::TooLarge:
        return QCoreApplication::translate("IcsRefusal",
                                           "\"%1\" is larger than %2 MB, more than a holiday calendar holds: "
                                           "nothing was imported.")
            .arg(file)
            .arg(kMaxIcsBytes / (1024 * 1024));
    case IcsRefusal::TooManyEvents:
        return QCoreApplication::translate("IcsRefusal",
                                           "\"%1\" holds more than %2 events, more than a holiday calendar holds: "
                                           "nothing was imported.")
            .arg(file)
            .arg(kMaxIcsEvents);
    case IcsRefusal::TooManyOccurrences:
        return QCoreApplication::translate("IcsRefusal",
                                           "\"%1\" gives more than %2 dates in the next %3 days, more than a "
                                           "holiday calendar holds: nothing was imported.")
            .arg(file)
            .arg(kMaxIcsOccurrences)
            .arg(kIcsHorizonDays);
    }
    return {};
}
