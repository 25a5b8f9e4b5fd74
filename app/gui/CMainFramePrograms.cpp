// Weekly > Special Days: choosing, making, renaming and deleting day programs. Each change is
// one step of the history, made through the list so that it is a store point like a day switch.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/DayProgramChooser.h"
#include "document/commands/WeekCommands.h"
#include "document/CTavrinDoc.h"
#include "schedule/Messages.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/WeeklySchedule.h"
#include "view/gui/CTavrinView.h"
#include "view/ProgramEdits.h"
#include "view/ScheduleList.h"

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>

namespace {

QString faultText(ProgramCalendarFault fault, const QString &name)
{
    switch (fault) {
    case ProgramCalendarFault::EmptyName:
        return CMainFrame::tr("A day program needs a name.");
    case ProgramCalendarFault::NameTaken:
        return CMainFrame::tr("There is already a day program named \"%1\".").arg(name.trimmed());
    case ProgramCalendarFault::NoBellsIsFixed:
        return CMainFrame::tr("\"%1\" cannot be renamed or deleted.").arg(ProgramCalendar::kNoBellsName);
    case ProgramCalendarFault::ControlCharacter:
        return CMainFrame::tr("A day program's name cannot hold control characters (such as tabs or line breaks).");
    case ProgramCalendarFault::TooManyPrograms:
        return CMainFrame::tr("A schedule file holds at most %1 day programs.")
            .arg(ScheduleFileFormat::kMaxDayPrograms);
    default:
        return CMainFrame::tr("There is no such day program.");
    }
}

} // namespace

void CMainFrame::createProgramCalendarMenu()
{
    QMenu *weekly = nullptr;
    for (QAction *top : menuBar()->actions()) {
        if (top->menu() && top->menu()->actions().contains(m_actions.value(Cmd::Monday)))
            weekly = top->menu();
    }
    if (!weekly)
        return;
    weekly->addSeparator();
    QMenu *special = weekly->addMenu(tr("Special Days"));
    special->setObjectName(QStringLiteral("specialDays"));
    QAction *commands = special->addSeparator();
    const struct {
        int id;
        QString text;
        QString prompt;
    } items[] = {
        {Cmd::NewProgram, tr("New Program..."), tr("Make a new day program")},
        {Cmd::RenameProgram, tr("Rename Program..."), tr("Rename the day program the list shows")},
        {Cmd::DeleteProgram, tr("Delete Program..."), tr("Delete the day program the list shows")},
    };
    for (const auto &item : items) {
        QAction *action = special->addAction(item.text);
        action->setData(item.id);
        action->setObjectName(QStringLiteral("command%1").arg(item.id));
        action->setStatusTip(item.prompt);
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
        m_actions.insert(id, action);
    }
    m_programs = new DayProgramChooser(special, commands, m_weekdays, this);
    connect(m_programs, &DayProgramChooser::chosen, this, &CMainFrame::onShowDay);
}

std::optional<QString> CMainFrame::askProgramName(const QString &title, const QString &label, const QString &initial,
                                                  int renamedDay)
{
    QString name = initial;
    for (;;) {
        QInputDialog dialog(this);
        dialog.setObjectName(QStringLiteral("programName"));
        dialog.setWindowTitle(title);
        dialog.setLabelText(label);
        dialog.setTextValue(name);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        name = dialog.textValue();
        const auto fault = checkProgramName(m_doc->week().programCalendar(), name, renamedDay);
        if (!fault)
            return name;
        m_messages.show(faultText(*fault, name), title, Messages::Icon::Warning);
    }
}

void CMainFrame::onNewProgram()
{
    m_view->StoreList();
    const std::optional<QString> name = askProgramName(tr("New Program"), tr("Name of the new day program:"), {}, 0);
    if (!name)
        return;
    const ProgramChange change = newProgram(m_doc->week(), *name);
    if (!change.refused)
        m_view->perform(std::make_unique<ChangeProgramCalendar>(*m_doc, change.text, change.days, change.special,
                                                                change.shownDay, m_view->editing().place()));
}

void CMainFrame::onRenameProgram()
{
    m_view->StoreList();
    const int day = m_view->shownDay();
    const WeeklySchedule &week = m_doc->week();
    if (!week.isEditableDay(day) || week.programCalendar().program(day) == nullptr)
        return;
    const std::optional<QString> name =
        askProgramName(tr("Rename Program"), tr("New name of the day program \"%1\":").arg(week.dayTitle(day)),
                       week.dayTitle(day), day);
    if (!name)
        return;
    const ProgramChange change = renameProgram(week, day, *name);
    if (!change.refused)
        m_view->perform(std::make_unique<ChangeProgramCalendar>(*m_doc, change.text, change.days, change.special,
                                                                change.shownDay, m_view->editing().place()));
}

void CMainFrame::onDeleteProgram()
{
    m_view->StoreList();
    const int day = m_view->shownDay();
    const WeeklySchedule &week = m_doc->week();
    const ProgramChange change = deleteProgram(week, day);
    if (change.refused) {
        // a weekday shown: the command is off and there is nothing to say
        if (*change.refused == ProgramCalendarFault::NoBellsIsFixed)
            m_messages.show(faultText(*change.refused, QString()), tr("Delete Program"), Messages::Icon::Warning);
        return;
    }
    const QString dates = calendarDatesOf(week.programCalendar(), day);
    const QString question = dates.isEmpty()
        ? tr("Delete the day program \"%1\" and its entries?").arg(week.dayTitle(day))
        : tr("Used on %1. Delete the program and these calendar entries?").arg(dates);
    if (m_messages.askOkCancel(question, tr("Delete Program")) != Messages::Answer::Ok)
        return;
    m_view->perform(std::make_unique<ChangeProgramCalendar>(*m_doc, change.text, change.days, change.special,
                                                            change.shownDay, m_view->editing().place()));
}
