#include "app/gui/CTavrinApp.h"

#include "app/CommandLine.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/DialogFileChooser.h"
#include "app/Settings.h"
#include "schedule/ProgramNames.h"
#include "ui/gui/BoxMessages.h"
#include "view/gui/CTavrinView.h"

#include <QCoreApplication>

CTavrinApp::CTavrinApp()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(ProgramNames::kOrganization));
    QCoreApplication::setApplicationName(QString::fromLatin1(ProgramNames::kApplication));
    m_settings = std::make_unique<Settings>();
    m_messages = std::make_unique<BoxMessages>();
    m_files = std::make_unique<DialogFileChooser>();
}

CTavrinApp::CTavrinApp(std::unique_ptr<Settings> settings, std::unique_ptr<Messages> messages,
                       std::unique_ptr<FileChooser> files)
    : m_settings(std::move(settings))
    , m_messages(std::move(messages))
    , m_files(std::move(files))
{
}

CTavrinApp::~CTavrinApp()
{
    // The window goes before the settings, messages and file choices it refers to.
    m_frame.reset();
}

bool CTavrinApp::InitInstance(const QStringList &arguments)
{
    const CommandLine line = CommandLine::parse(arguments);
    if (!line.ok()) {
        m_error = line.error;
        return false;
    }

    m_frame = std::make_unique<CMainFrame>(*m_settings, *m_messages, *m_files);
    if (auto *boxes = dynamic_cast<BoxMessages *>(m_messages.get()))
        boxes->setParent(m_frame.get());
    if (auto *dialogs = dynamic_cast<DialogFileChooser *>(m_files.get()))
        dialogs->setParent(m_frame.get());
    m_frame->setPortOverride(line.port);

    // The window is up first, so a missing template or a file that can't be opened is reported
    // over it, not over an empty desktop. The view starts on the template schedule; a file named
    // on the command line is then opened as the Open command would open it.
    m_frame->showMaximized();
    m_frame->view()->setFocus();
    m_frame->initialUpdate();
    if (!line.file.isEmpty())
        m_frame->openFile(line.file);
    return true;
}
