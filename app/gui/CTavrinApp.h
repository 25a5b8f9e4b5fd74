#pragma once

#include <memory>
#include <QStringList>

class CMainFrame;
class FileChooser;
class Messages;
class Settings;

// The application: settings, the main window with its document and view, and the command line.
class CTavrinApp {
public:
    // The program's own settings, message boxes and file dialogs.
    CTavrinApp();
    // Tests bring their own; the application keeps them for its lifetime.
    CTavrinApp(std::unique_ptr<Settings> settings, std::unique_ptr<Messages> messages,
               std::unique_ptr<FileChooser> files);
    ~CTavrinApp();

    // Start-up. False, with the reason in errorText(), when the program cannot start.
    bool InitInstance(const QStringList &arguments);
    QString errorText() const { return m_error; }

    CMainFrame *mainFrame() const { return m_frame.get(); }
    Settings &settings() const { return *m_settings; }

private:
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Messages> m_messages;
    std::unique_ptr<FileChooser> m_files;
    std::unique_ptr<CMainFrame> m_frame;
    QString m_error;
};
