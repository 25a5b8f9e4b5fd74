// The main window's print preview and recent files.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "app/Settings.h"
#include "document/CTavrinDoc.h"
#include "schedule/Messages.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/SchedulePreview.h"
#include "ui/gui/SchedulePrinter.h"
#include "view/gui/CTavrinView.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

void CMainFrame::onFilePrintPreview()
{
    previewSchedule(this, reportRowsFromTexts(m_view->shownRows()), m_doc->week().dayTitle(m_view->shownDay()),
                    *printer());
}

void CMainFrame::createRecentFilesMenu()
{
    QMenu *file = menuBar()->actions().value(0) ? menuBar()->actions().value(0)->menu() : nullptr;
    if (!file)
        return;
    m_recentMenu = new QMenu(tr("Open &Recent"), this);
    m_recentMenu->setObjectName(QStringLiteral("recentFiles"));
    file->insertMenu(m_actions.value(Cmd::FileSave), m_recentMenu);
    // built as it opens, so it always shows what the settings hold now
    connect(m_recentMenu, &QMenu::aboutToShow, this, &CMainFrame::fillRecentFilesMenu);
    fillRecentFilesMenu();
}

void CMainFrame::fillRecentFilesMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_settings.recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QAction *action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setData(Cmd::FileRecent1 + i);
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    if (files.isEmpty())
        m_recentMenu->addAction(tr("No recent files"))->setEnabled(false);
}

void CMainFrame::openRecentFile(const QString &path)
{
    if (!saveModified())
        return;
    if (!QFileInfo(path).isFile()) {
        m_settings.removeRecentFile(path);
        m_settings.sync();
        m_messages.show(tr("\"%1\" no longer exists; it has been removed from the recent files.")
                            .arg(QDir::toNativeSeparators(path)),
                        QStringLiteral("Tavrin"), Messages::Icon::Warning);
        return;
    }
    openFile(path);
}
