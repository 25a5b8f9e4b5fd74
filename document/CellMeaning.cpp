#include "document/CellMeaning.h"

#include "document/ShownText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
QString channelMeaning(int channel, bool on)
{
    return (on ? QCoreApplication::translate("CellMeaning", "ch%1 on")
               : QCoreApplication::translate("CellMeaning", "ch%1 off"))
        .arg(channel);
}
} // namespace

QString cellMeaning(int column, const std::string &shown)
{
    const QString text = QString::fromStdString(shown);
    switch (column) {
    case kColumnId:
        return QCoreApplication::translate("CellMeaning", "ID %1").arg(text);
    case kColumnAmPm:
        return shownCellText(column, shown);
    case kColumnTime:
        return shown.empty() ? QCoreApplication::translate("CellMeaning", "no time") : text;
    case kColumnMelodyVoice:
        if (shown.empty() || shown == " ")
            return QCoreApplication::translate("CellMeaning", "no Melody or Voice");
        if (shown == "Melody" || shown == "Voice")
            return shownCellText(column, shown);
        break;
    case kColumnSelection:
        return shown.empty() ? QCoreApplication::translate("CellMeaning", "no Selection")
                             : QCoreApplication::translate("CellMeaning", "Selection %1").arg(text);
    case kColumnAc:
        if (shown == "ON")
            return QCoreApplication::translate("CellMeaning", "AC on");
        if (shown == "OFF")
            return QCoreApplication::translate("CellMeaning", "AC off");
        if (shown.empty())
            return QCoreApplication::translate("CellMeaning", "no AC");
        break;
    case kColumnCh1:
    case kColumnCh2:
    case kColumnCh3:
    case kColumnCh4:
        if (shown == "ON" || shown.empty())
            return channelMeaning(column - kColumnCh1 + 1, !shown.empty());
        break;
    default:
        return text;
    }
    // A text the file holds that the list knows no meaning for: read with its column's name.
    return QCoreApplication::translate("CellMeaning", "%1: %2")
        .arg(shownColumnHeader(column), shownCellText(column, shown));
}

QString listNameFor(const WeeklySchedule &week, int dayNumber)
{
    const QString day =
        isWeekday(dayNumber) ? QLocale().dayName(dayNumber, QLocale::LongFormat) : week.dayTitle(dayNumber);
    return QCoreApplication::translate("CellMeaning", "Schedule of %1").arg(day);
}
