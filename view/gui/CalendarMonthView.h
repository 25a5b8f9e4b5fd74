#pragma once

#include "view/CalendarPage.h"

#include <QCalendarWidget>
#include <QColor>
#include <QSet>

// The month grid of the Calendar window: each date in the colour of the schedule it plays
// (regular weekdays plain, each program its own colour, "No bells" grey) with the schedule's
// name as its tooltip; the week ahead bold and outlined, today underlined as well.
class CalendarMonthView : public QCalendarWidget {
    Q_OBJECT
public:
    explicit CalendarMonthView(QWidget *parent = nullptr);

    // The dates to show; dates not among them are shown plain.
    void showCells(const std::vector<CalendarPage::Cell> &cells);

    // A program's colour follows its day number, so it stays the same from run to run and
    // neighbouring programs differ; "No bells" is grey, a regular weekday has none (invalid).
    static QColor colourOf(CalendarPage::Kind kind, int day);
    // The name a date's schedule goes by: the program's, or the weekday's for a regular date.
    static QString scheduleTitle(const CalendarPage::Cell &cell);

protected:
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    QSet<QDate> m_outlined;
};
