#include "document/CTavrinDoc.h"

#include "document/commands/DayStep.h"
#include "document/ShownText.h"

CTavrinDoc::CTavrinDoc(const QString &templateDirectory, QObject *parent)
    : QObject(parent)
    , m_files(m_week, templateDirectory)
{
    // Every step announces the state, not only a crossing of the clean point: whoever follows
    // it may have been told otherwise in between.
    auto announce = [this] { emit modifiedChanged(isModified()); };
    connect(&m_history, &QUndoStack::cleanChanged, this, announce);
    connect(&m_history, &QUndoStack::indexChanged, this, announce);
    connect(&m_history, &QUndoStack::indexChanged, this, &CTavrinDoc::historyChanged);
    connect(&m_history, &QUndoStack::canUndoChanged, this, &CTavrinDoc::historyChanged);
    connect(&m_history, &QUndoStack::canRedoChanged, this, &CTavrinDoc::historyChanged);
}

CTavrinDoc::~CTavrinDoc()
{
    // The steps refer back to this document: drop them while it is whole.
    m_history.blockSignals(true);
    m_history.clear();
}

bool CTavrinDoc::showDay(int dayNumber)
{
    if (!m_week.setShownDay(dayNumber))
        return false;
    stepApplied(ListPlace{dayNumber, {}, -1, -1});
    return true;
}

void CTavrinDoc::storeShownRows()
{
    if (!canEdit())
        return;
    DaySchedule &day = m_week.day(m_week.shownDay());
    for (int k = 1; k <= day.count(); ++k)
        day.setEntry(k, storedEntry(shownRow(day.entry(k), k)));
    m_week.LoadWorkingDay();
}

bool CTavrinDoc::perform(std::unique_ptr<DayStep> step)
{
    if (!step || step->changesNothing())
        return false;
    m_history.push(step.release()); // pushing redoes it: the change is made here
    return true;
}

size_t CTavrinDoc::heldEntries() const
{
    size_t n = 0;
    for (int i = 0; i < m_history.count(); ++i)
        n += static_cast<const DayStep *>(m_history.command(i))->heldEntries();
    return n;
}

void CTavrinDoc::stepApplied(const ListPlace &place)
{
    m_week.LoadWorkingDay();
    emit shownDayReplaced(place);
}

FileOutcome CTavrinDoc::replaced(const FileOutcome &outcome)
{
    if (!outcome)
        return outcome;
    m_history.clear();
    m_history.setClean();
    emit titleChanged(frameTitle());
    emit modifiedChanged(false);
    stepApplied(ListPlace{m_week.shownDay(), {}, -1, -1});
    return outcome;
}

FileOutcome CTavrinDoc::newSchedule()
{
    return replaced(m_files.New());
}

FileOutcome CTavrinDoc::open(const QString &path)
{
    return replaced(m_files.Open(path));
}

FileOutcome CTavrinDoc::save(const QString &path, SaveConsent consent)
{
    const FileOutcome outcome = m_files.Save(path, consent);
    if (outcome) {
        m_history.setClean();
        emit titleChanged(frameTitle());
        emit modifiedChanged(false);
        stepApplied(ListPlace{m_week.shownDay(), {}, -1, -1});
    }
    return outcome;
}

void CTavrinDoc::clearAllDays()
{
    m_week.ClearAllDays();
    m_week.WorkingDay.clear();
    stepApplied(ListPlace{m_week.shownDay(), {}, -1, -1});
}

void CTavrinDoc::replaceWeek(const WeeklySchedule &week)
{
    if (&week != &m_week)
        m_week.copyFrom(week);
    m_history.clear();
    m_history.setClean();
    emit modifiedChanged(false);
    stepApplied(ListPlace{m_week.shownDay(), {}, -1, -1});
}

QString CTavrinDoc::frameTitle() const
{
    return title() + QStringLiteral(" - ") + QString::fromLatin1(kWindowTitle);
}

QString CTavrinDoc::windowTitle() const
{
    return title() + QStringLiteral("[*] - ") + QString::fromLatin1(kWindowTitle);
}
