#include "view/gui/CalendarMonthView.h"

#include "view/gui/CalendarEntryDlg.h"

#include <QLocale>
#include <QPainter>
#include <QTextCharFormat>

CalendarMonthView::CalendarMonthView(QWidget *parent)
    : QCalendarWidget(parent)
{
    // The model counts weeks from Monday, whatever the locale says.
    setFirstDayOfWeek(Qt::Monday);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setGridVisible(true);
}

void CalendarMonthView::showCells(const std::vector<CalendarPage::Cell> &cells)
{
    setDateTextFormat(QDate(), QTextCharFormat());
    m_outlined.clear();
    for (const CalendarPage::Cell &cell : cells) {
        QTextCharFormat format;
        const QColor colour = colourOf(cell.kind, cell.day);
        if (colour.isValid())
            format.setBackground(colour);
        QString tip = scheduleTitle(cell);
        if (!cell.note.isEmpty())
            tip += QLatin1Char('\n') + cell.note;
        format.setToolTip(tip);
        if (cell.weekAhead) {
            format.setFontWeight(QFont::Bold);
            m_outlined.insert(cell.date);
        }
        if (cell.today)
            format.setFontUnderline(true);
        setDateTextFormat(cell.date, format);
    }
    updateCells();
}

QColor CalendarMonthView::colourOf(CalendarPage::Kind kind, int day)
{
    switch (kind) {
    case CalendarPage::Kind::NoBells:
        return QColor(0xc8, 0xc8, 0xc8);
    case CalendarPage::Kind::Program:
        // The golden angle keeps successive day numbers far apart on the colour wheel; light
        // shades keep the dates readable.
        return QColor::fromHsv(int((day * 137.508)) % 360, 90, 250);
    default:
        return QColor();
    }
}

QString CalendarMonthView::scheduleTitle(const CalendarPage::Cell &cell)
{
    switch (cell.kind) {
    case CalendarPage::Kind::NoBells:
        return CalendarEntryDlg::programTitle({kNoBellsDay, ProgramCalendar::kNoBellsName});
    case CalendarPage::Kind::Program:
        return cell.programName;
    default:
        return QLocale().standaloneDayName(cell.date.dayOfWeek());
    }
}

void CalendarMonthView::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    QCalendarWidget::paintCell(painter, rect, date);
    if (!m_outlined.contains(date))
        return;
    painter->save();
    painter->setPen(QPen(palette().color(QPalette::WindowText), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(1, 1, -1, -1));
    painter->restore();
}
