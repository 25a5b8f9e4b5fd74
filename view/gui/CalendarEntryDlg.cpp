#include "view/gui/CalendarEntryDlg.h"

#include "schedule/ScheduleFileFormat.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// A note is a reminder beside the dates, not a document.
constexpr int kNoteLength = 200;

// A date is one stop of Tab, as every other field: its year, month and day are reached with
// the arrow keys (QDateEdit's own Tab would first walk through them).
class DateField : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

QDateEdit *dateEdit(QWidget *parent, const QDate &date)
{
    auto *edit = new DateField(date, parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return edit;
}
} // namespace

CalendarEntryDlg::CalendarEntryDlg(QWidget *parent, const ProgramCalendar &special, const CalendarEntry &initial)
    : QDialog(parent)
    , m_special(special)
{
    setObjectName(QStringLiteral("calendarEntryDialog"));
    m_first = dateEdit(this, initial.first);
    m_last = dateEdit(this, initial.last);

    m_program = new QComboBox(this);
    for (const DayProgram &p : m_special.programs)
        m_program->addItem(programTitle(p), p.day);
    int shown = m_program->findData(initial.program);
    if (shown < 0 && initial.program != 0) {
        // An entry whose program was deleted: shown as it is, so OK says what is wrong.
        m_program->addItem(tr("(deleted program)"), initial.program);
        shown = m_program->count() - 1;
    }
    m_program->setCurrentIndex(std::max(shown, 0));

    m_note = new QLineEdit(initial.note, this);
    m_note->setMaxLength(kNoteLength);

    m_fault = new QLabel(this);
    m_fault->setObjectName(QStringLiteral("fault"));
    m_fault->setWordWrap(true);
    m_fault->setStyleSheet(QStringLiteral("color: #b00000"));
    m_fault->hide();

    auto *form = new QFormLayout;
    form->addRow(tr("&First date:"), m_first);
    form->addRow(tr("&Last date:"), m_last);
    form->addRow(tr("&Program:"), m_program);
    form->addRow(tr("&Note:"), m_note);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CalendarEntryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_fault);
    layout->addWidget(buttons);

    // Tab: the fields from top to bottom, then the buttons.
    QWidget::setTabOrder(m_first, m_last);
    QWidget::setTabOrder(m_last, m_program);
    QWidget::setTabOrder(m_program, m_note);
    QWidget::setTabOrder(m_note, buttons);
}

CalendarEntry CalendarEntryDlg::entry() const
{
    return {m_first->date(), m_last->date(), m_program->currentData().toInt(), m_note->text().trimmed()};
}

void CalendarEntryDlg::accept()
{
    if (const std::optional<ProgramCalendarFault> fault = checkCalendarEntry(m_special, entry())) {
        m_fault->setText(faultText(*fault));
        m_fault->show();
        return;
    }
    QDialog::accept();
}

QString CalendarEntryDlg::programTitle(const DayProgram &program)
{
    return program.day == kNoBellsDay ? tr("No bells") : program.name;
}

QString CalendarEntryDlg::faultText(ProgramCalendarFault fault)
{
    switch (fault) {
    case ProgramCalendarFault::LastBeforeFirst:
        return tr("The last date lies before the first date. Choose a last date on or after the first.");
    case ProgramCalendarFault::InvalidDate:
        return tr("Both dates must be dates of the calendar.");
    case ProgramCalendarFault::NoSuchProgram:
        return tr("The program of these dates no longer exists. Choose another program.");
    case ProgramCalendarFault::ControlCharacter:
        return tr("The note cannot hold control characters (such as tabs or line breaks).");
    case ProgramCalendarFault::TooManyCalendarEntries:
        return tr("A schedule file holds at most %1 calendar entries.").arg(ScheduleFileFormat::kMaxCalendarEntries);
    default:
        return tr("These dates cannot be given to that program.");
    }
}
