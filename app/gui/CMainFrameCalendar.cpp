// Calendar: a window beside the main one, one at a time; Ctrl+K again brings it forward.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "view/gui/CalendarDlg.h"

void CMainFrame::onCalendar()
{
    auto *window = findChild<CalendarDlg *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new CalendarDlg(*m_view, this);
        connect(window, &QDialog::finished, window, &QObject::deleteLater);
        for (int id : {Cmd::BellsOffToday, Cmd::BellsOffUntil, Cmd::BellsBackOn, Cmd::ImportHolidays})
            window->addCommandButton(commandAction(id));
    }
    window->show();
    window->raise();
    window->activateWindow();
}
