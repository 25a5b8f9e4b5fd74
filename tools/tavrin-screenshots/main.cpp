// tavrin-screenshots FOLDER [--port NAME]: the program's window and dialogs as PNGs.
#include "ScreenshotTour.h"

#include "app/gui/CTavrinApp.h"
#include "app/gui/DialogFileChooser.h"
#include "app/Settings.h"
#include "ui/gui/BoxMessages.h"

#include <cstdio>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.at(1).startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "Usage: tavrin-screenshots FOLDER [--port NAME]\n");
        return 2;
    }
    const QString folder = arguments.takeAt(1);

    // settings of its own, so the pictures don't depend on this machine's choices
    QTemporaryDir settingsDir;
    auto messages = std::make_unique<BoxMessages>();
    Messages &shownMessages = *messages;
    CTavrinApp app(std::make_unique<Settings>(settingsDir.filePath(QStringLiteral("settings.ini"))),
                   std::move(messages), std::make_unique<DialogFileChooser>());
    if (!app.InitInstance(arguments)) {
        std::fprintf(stderr, "%s\n", qPrintable(app.errorText()));
        return 2;
    }
    (new ScreenshotTour(*app.mainFrame(), shownMessages, folder))->start();
    return qapp.exec();
}
