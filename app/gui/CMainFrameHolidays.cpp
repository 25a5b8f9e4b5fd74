// Weekly > Import Holidays: the dates of an iCalendar file, shown before anything changes,
// taken as one step.
#include "app/FileChooser.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/ImportHolidaysDlg.h"
#include "calendar/IcsRefusalText.h"
#include "document/commands/CalendarCommands.h"
#include "document/CTavrinDoc.h"
#include "schedule/Messages.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/WeeklySchedule.h"
#include "view/gui/CTavrinView.h"
#include "view/ScheduleList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void CMainFrame::onImportHolidays()
{
    const QString path = m_chooser.chooseCalendarToOpen(fileDialogStartHere());
    if (path.isEmpty())
        return;
    const QString caption = tr("Import Holidays");
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_messages.show(tr("\"%1\" could not be read: %2").arg(QDir::toNativeSeparators(path), file.errorString()),
                        caption, Messages::Icon::Warning);
        return;
    }
    // One byte past the limit tells a file too large without reading all of it.
    const IcsReading read = readIcs(file.read(kMaxIcsBytes + 1), today());
    if (read.refusal) {
        m_messages.show(icsRefusalText(*read.refusal, name), caption, Messages::Icon::Warning);
        return;
    }
    if (read.occurrences.empty()) {
        m_messages.show(
            tr("\"%1\" holds no events in the next %2 days: nothing was imported.").arg(name).arg(kIcsHorizonDays),
            caption, Messages::Icon::Information);
        return;
    }
    const ProgramCalendar &special = m_doc->week().programCalendar();
    ImportHolidaysDlg dialog(this, name, read.occurrences, special);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::vector<CalendarEntry> merged = mergeOccurrences(special.calendar, dialog.chosen());
    if (merged.size() > size_t(ScheduleFileFormat::kMaxCalendarEntries)) {
        m_messages.show(tr("The calendar holds at most %1 entries: nothing was imported.")
                            .arg(ScheduleFileFormat::kMaxCalendarEntries),
                        caption, Messages::Icon::Warning);
        return;
    }
    m_view->perform(std::make_unique<ChangeCalendar>(*m_doc, caption, merged, m_view->editing().place()));
}
