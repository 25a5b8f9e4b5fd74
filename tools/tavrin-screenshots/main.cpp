// tavrin-screenshots FOLDER [--dark] [--port NAME]: the program's window and dialogs as PNGs;
// --dark shows them under a dark desktop palette.
#include "ScreenshotTour.h"

#include "app/gui/CTavrinApp.h"
#include "app/gui/DialogFileChooser.h"
#include "app/Settings.h"
#include "ui/gui/BoxMessages.h"

#include <cstdio>
#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>

namespace {
// A dark desktop theme as many desktops ship one: light text on a dark base.
void useDarkPalette()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::ToolTipBase, QColor(35, 35, 35));
    dark.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    QApplication::setPalette(dark);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.at(1).startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "Usage: tavrin-screenshots FOLDER [--dark] [--port NAME]\n");
        return 2;
    }
    const QString folder = arguments.takeAt(1);
    if (arguments.removeAll(QStringLiteral("--dark")) > 0)
        useDarkPalette();

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
