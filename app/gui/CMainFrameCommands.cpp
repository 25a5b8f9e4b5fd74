// The command handlers of the main window.
#include "app/CommandIds.h"
#include "app/FileChooser.h"
#include "app/Settings.h"
#include "app/gui/CAboutDlg.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/CTavrinDoc.h"
#include "app/gui/SerialPortDlg.h"
#include "schedule/Messages.h"
#include "view/gui/CTavrinView.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>

QString CMainFrame::portName() const
{
    return m_portOverride.isEmpty() ? m_settings.serialPort() : m_portOverride;
}

void CMainFrame::markModified() { m_doc->setModifiedFlag(true); }

bool CMainFrame::saveModified()
{
    if (!m_doc->isModified())
        return true;
    const QString text = QStringLiteral("Save changes to %1?").arg(m_doc->title());
    switch (m_messages.askSaveChanges(text, QStringLiteral("Tavrin"))) {
    case Messages::Answer::Save:
        return onFileSave();
    case Messages::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void CMainFrame::initialUpdate()
{
    m_doc->setTitle(QString::fromLatin1(CTavrinDoc::kUntitled));
    m_doc->setModifiedFlag(false);
    followShownDay(1);
}

void CMainFrame::openFile(const QString &path)
{
    if (path.isEmpty())
        return;
    m_settings.addRecentFile(path);
    followShownDay(1);
    m_doc->setModifiedFlag(false);
}

void CMainFrame::onFileNew()
{
    if (!saveModified())
        return;
    initialUpdate();
}

void CMainFrame::onFileOpen()
{
    if (!saveModified())
        return;
    const QStringList paths = m_files.chooseFilesToOpen();
    for (const QString &path : paths)
        openFile(path);
}

bool CMainFrame::onFileSave()
{
    const QString path = m_files.chooseFileToSave();
    if (path.isEmpty())
        return false;
    m_settings.addRecentFile(path);
    followShownDay(1);
    m_doc->setModifiedFlag(false);
    return true;
}

void CMainFrame::onFilePrint() {}

QPrinter *CMainFrame::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

void CMainFrame::onFilePrintSetup()
{
    QPageSetupDialog dialog(printer(), this);
    dialog.exec();
}

void CMainFrame::onAppExit() { close(); }

void CMainFrame::onEditCommand(int id)
{
    switch (id) {
    case Cmd::EditCut: m_view->editCut(); break;
    case Cmd::EditCopy: m_view->editCopy(); break;
    case Cmd::EditPaste: m_view->editPaste(); break;
    case Cmd::EditSelectAll: m_view->editSelectAll(); break;
    case Cmd::EditInsert: m_view->editInsert(); break;
    case Cmd::EditModify: m_view->editModify(); break;
    case Cmd::EditDelete: m_view->editDelete(); break;
    default: break;
    }
}

// The view runs Auto Setup and rebuilds the list on OK (and reports the change).
void CMainFrame::onAutoSet() { m_view->autoSet(); }

void CMainFrame::onTimeSetting() {}

void CMainFrame::onDownload() {}

void CMainFrame::onUpload() {}

void CMainFrame::onSerialPort()
{
    SerialPortDlg dialog(m_settings.serialPort(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.setSerialPort(dialog.portName());
    m_settings.sync();
}

void CMainFrame::onShowDay(int day) { m_view->ShowDay(day); }

void CMainFrame::onToggleToolBar()
{
    const bool show = m_toolBar->isHidden();
    m_toolBar->setVisible(show);
    m_actions.value(Cmd::ViewToolbar)->setChecked(show);
}

void CMainFrame::onToggleStatusBar()
{
    const bool show = statusBar()->isHidden();
    statusBar()->setVisible(show);
    m_actions.value(Cmd::ViewStatusBar)->setChecked(show);
}

void CMainFrame::onAppAbout()
{
    CAboutDlg dialog(this);
    dialog.exec();
}
