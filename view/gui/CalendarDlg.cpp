#include "view/gui/CalendarDlg.h"

#include "document/commands/WeekCommands.h"
#include "document/CTavrinDoc.h"

#include "view/gui/CalendarEntryDlg.h"
#include "view/gui/CalendarMonthView.h"
#include "view/gui/CTavrinView.h"
#include "view/PlayedEvents.h"
#include "view/ScheduleList.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
enum EntryColumn { kFirst, kLast, kProgram, kNote, kEntryColumns };

QString dateText(const QDate &date)
{
    return QLocale().toString(date, QStringLiteral("ddd yyyy-MM-dd"));
}
} // namespace

CalendarDlg::CalendarDlg(CTavrinView &view, QWidget *parent)
    : QDialog(parent)
    , m_view(view)
    , m_page(view.document().week())
{
    setObjectName(QStringLiteral("calendarWindow"));
    setWindowTitle(tr("Calendar"));

    m_month = new CalendarMonthView(this);
    // wide enough for the longest month's name beside the arrows
    m_month->setMinimumWidth(380);
    auto *legend = new QLabel(tr("Bold and framed: the week ahead from today. Underlined: today. "
                                 "Coloured: a day program, grey: no bells."),
                              this);
    legend->setWordWrap(true);

    m_dateTitle = new QLabel(this);
    m_dateTitle->setObjectName(QStringLiteral("dateTitle"));
    m_dateTitle->setWordWrap(true);
    m_events = new QListWidget(this);
    m_events->setObjectName(QStringLiteral("events"));

    auto *left = new QVBoxLayout;
    left->addWidget(m_month);
    left->addWidget(legend);
    left->addWidget(m_dateTitle);
    left->addWidget(m_events, 1);

    auto *order = new QLabel(tr("Where entries overlap, the later one wins: a row wins over the rows above it."), this);
    order->setWordWrap(true);
    m_entries = new QTableWidget(0, kEntryColumns, this);
    m_entries->setObjectName(QStringLiteral("entries"));
    m_entries->setHorizontalHeaderLabels({tr("First"), tr("Last"), tr("Program"), tr("Note")});
    m_entries->verticalHeader()->hide();
    m_entries->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_entries->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_entries->setSelectionMode(QAbstractItemView::SingleSelection);
    m_entries->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_entries->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(this);
    m_add = buttons->addButton(tr("&Add..."), QDialogButtonBox::ActionRole);
    m_edit = buttons->addButton(tr("&Edit..."), QDialogButtonBox::ActionRole);
    m_delete = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    // Enter in the window opens nothing by surprise.
    for (QPushButton *b : {m_add, m_edit, m_delete})
        b->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, &CalendarDlg::addEntry);
    connect(m_edit, &QPushButton::clicked, this, &CalendarDlg::editEntry);
    connect(m_delete, &QPushButton::clicked, this, &CalendarDlg::deleteEntry);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *right = new QVBoxLayout;
    right->addWidget(order);
    right->addWidget(m_entries, 1);
    right->addWidget(buttons);
    m_commands = new QHBoxLayout;
    m_commands->addStretch(1);
    right->addLayout(m_commands);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(900, 520);

    // Undo and Redo work here as in the main window.
    addAction(view.undoAction());
    addAction(view.redoAction());

    connect(m_month, &QCalendarWidget::currentPageChanged, this, &CalendarDlg::showMonth);
    connect(m_month, &QCalendarWidget::selectionChanged, this, &CalendarDlg::showDate);
    connect(m_entries, &QTableWidget::itemSelectionChanged, this, &CalendarDlg::updateButtons);
    connect(m_entries, &QTableWidget::itemDoubleClicked, this, &CalendarDlg::editEntry);
    // Every step, its undo and redo, and a week replaced by New or Open (the list is rebuilt).
    connect(&view.document(), &CTavrinDoc::historyChanged, this, &CalendarDlg::refresh);
    connect(&view, &CTavrinView::shownDayChanged, this, &CalendarDlg::refresh);
    refresh();
}

void CalendarDlg::refresh()
{
    showMonth();
    showEntries();
    showDate();
}

void CalendarDlg::showMonth()
{
    // The grid shows parts of the months either side too.
    const QDate first = QDate(m_month->yearShown(), m_month->monthShown(), 1).addDays(-14);
    m_month->showCells(m_page.cells(first, first.addDays(14).daysInMonth() + 28, QDate::currentDate()));
}

void CalendarDlg::showEntries()
{
    const int selected = selectedRow();
    const std::vector<CalendarPage::EntryRow> rows = m_page.entryRows();
    m_entries->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const CalendarPage::EntryRow &row = rows[size_t(r)];
        const QString program = row.programName.isEmpty() ? tr("(deleted program)")
            : row.program == kNoBellsDay                  ? CalendarEntryDlg::programTitle({kNoBellsDay, {}})
                                                          : row.programName;
        const QString texts[kEntryColumns] = {dateText(row.first), dateText(row.last), program, row.note};
        for (int c = 0; c < kEntryColumns; ++c)
            m_entries->setItem(r, c, new QTableWidgetItem(texts[c]));
        const QColor colour = CalendarMonthView::colourOf(
            row.program == kNoBellsDay ? CalendarPage::Kind::NoBells : CalendarPage::Kind::Program, row.program);
        if (!row.programName.isEmpty())
            m_entries->item(r, kProgram)->setData(Qt::DecorationRole, colour);
    }
    if (selected >= 0 && selected < m_entries->rowCount())
        m_entries->selectRow(selected);
    updateButtons();
}

void CalendarDlg::showDate()
{
    const CalendarPage::DateEvents shown = m_page.dateEvents(m_month->selectedDate(), QDate::currentDate());
    const CalendarPage::Cell &cell = shown.cell;
    QString title = tr("%1: %2").arg(dateText(cell.date), CalendarMonthView::scheduleTitle(cell));
    if (cell.kind == CalendarPage::Kind::Regular)
        title = tr("%1: the regular %2").arg(dateText(cell.date), CalendarMonthView::scheduleTitle(cell));
    if (!cell.note.isEmpty())
        title += QStringLiteral(" (%1)").arg(cell.note);
    m_dateTitle->setText(title);

    m_events->clear();
    for (const ListRow &row : shown.events)
        m_events->addItem(shownEventLine(row, &m_view.document().week().soundNames()));
    if (shown.events.empty()) {
        auto *none = new QListWidgetItem(tr("No events on this date."), m_events);
        none->setFlags(Qt::NoItemFlags);
    }
}

void CalendarDlg::updateButtons()
{
    const bool chosen = selectedRow() >= 0;
    m_edit->setEnabled(chosen);
    m_delete->setEnabled(chosen);
}

int CalendarDlg::selectedRow() const
{
    const QList<QTableWidgetItem *> items = m_entries->selectedItems();
    return items.isEmpty() ? -1 : items.front()->row();
}

void CalendarDlg::addEntry()
{
    const ProgramCalendar &special = m_view.document().week().programCalendar();
    const QDate date = m_month->selectedDate();
    // The first program the operator made is the likely one; "No bells" when there is none.
    const int program = special.programs.size() > 1 ? special.programs[1].day : kNoBellsDay;
    CalendarEntryDlg dialog(this, special, {date, date, program, {}});
    dialog.setWindowTitle(tr("Add Calendar Entry"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    apply(tr("Add Calendar Entry"), m_page.added(dialog.entry()), int(special.calendar.size()));
}

void CalendarDlg::editEntry()
{
    const int row = selectedRow();
    const ProgramCalendar &special = m_view.document().week().programCalendar();
    if (row < 0 || size_t(row) >= special.calendar.size())
        return;
    CalendarEntryDlg dialog(this, special, special.calendar[size_t(row)]);
    dialog.setWindowTitle(tr("Edit Calendar Entry"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    apply(tr("Edit Calendar Entry"), m_page.edited(row, dialog.entry()), row);
}

void CalendarDlg::deleteEntry()
{
    const int row = selectedRow();
    // The entry below moves up into the row.
    apply(tr("Delete Calendar Entry"), m_page.deleted(row), row);
}

void CalendarDlg::apply(const QString &stepText, const CalendarPage::Edit &edit, int row)
{
    if (!edit.special) {
        if (edit.fault)
            QMessageBox::warning(this, windowTitle(), CalendarEntryDlg::faultText(*edit.fault));
        return;
    }
    // An open cell edit is written first, so the step leaves the list as the week holds it.
    m_view.StoreList();
    const ListPlace place = m_view.editing().place();
    m_view.editing().perform(std::make_unique<ChangeProgramCalendar>(m_view.document(), stepText,
                                                                     std::vector<ChangeProgramCalendar::DayEntries>{},
                                                                     *edit.special, place.day, place));
    m_entries->clearSelection();
    row = std::min(row, m_entries->rowCount() - 1);
    if (row >= 0)
        m_entries->selectRow(row);
}

QPushButton *CalendarDlg::addCommandButton(QAction *action)
{
    auto *button = new QPushButton(action->text(), this);
    button->setAutoDefault(false);
    button->setToolTip(action->statusTip());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    m_commands->addWidget(button);
    return button;
}
