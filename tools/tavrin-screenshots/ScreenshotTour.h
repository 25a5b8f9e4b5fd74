#pragma once

#include <QObject>
#include <QString>

class CMainFrame;
class Messages;

// Pictures for the documentation: fills Monday with a few events and names some sounds, then
// writes PNGs of the main window and of each dialog, and the week's PDF, into a folder, and
// quits. It overwrites the loaded schedule, so it
// lives in a tool of its own (tavrin-screenshots, run by tools/screenshots.sh), never in the program.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(CMainFrame &frame, Messages &messages, const QString &folder);
    void start();

private:
    void run();
    void fillMonday();
    bool save(QWidget *widget, const QString &name);

    CMainFrame &m_frame;
    Messages &m_messages;
    QString m_folder;
    int m_failures = 0;
};
