// tavrin-cli: the schedule files and the device, without a window.
#include "BellsCommands.h"
#include "CalendarCommand.h"
#include "CliCommand.h"
#include "CliOutput.h"
#include "CompareCommands.h"
#include "DeviceCommands.h"
#include "JournalCommand.h"
#include "PlanCommands.h"
#include "PrintCommand.h"
#include "schedule/ProgramNames.h"
#include "ScheduleCommands.h"
#include "SiteCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>
#include <memory>

namespace {

// The command word: the first argument that is not the tests' hidden option.
bool printsAPdf(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--test-speedup=", 15) != 0)
            return std::strcmp(argv[i], "print") == 0;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // No window system: device and file commands run headless (under systemd, over ssh). Only
    // print draws, and it needs fonts, so it alone makes a QGuiApplication; it shows no window,
    // so without a platform chosen it takes the one that needs no display.
    std::unique_ptr<QCoreApplication> app;
    if (printsAPdf(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    // The journal lives in the desktop program's data folder: the same names find it.
    QCoreApplication::setOrganizationName(QString::fromLatin1(ProgramNames::kOrganization));
    QCoreApplication::setApplicationName(QString::fromLatin1(ProgramNames::kApplication));
    setBinaryStandardOutput();

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const CliParseResult parsed = parseCliArguments(arguments);
    if (parsed.outcome == CliParseResult::Help) {
        writeOut(parsed.text.toLocal8Bit());
        return kExitOk;
    }
    if (parsed.outcome == CliParseResult::UsageError) {
        sayRaw(parsed.text + QLatin1Char('\n'));
        return kExitUsage;
    }

    const CliCommand &command = parsed.command;
    if (command.site) {
        switch (command.verb) {
        case CliVerb::Sync:
            return runOnSite(command, syncTask);
        case CliVerb::Clock:
            return runOnSite(command,
                             [](const CliCommand &one) -> SiteTask { return [one] { return runClock(one); }; });
        case CliVerb::Compare:
            return runOnSite(command,
                             [](const CliCommand &one) -> SiteTask { return [one] { return runCompare(one); }; });
        default:
            break;
        }
    }
    switch (command.verb) {
    case CliVerb::Show:
        return runShow(command);
    case CliVerb::Import:
        return runImport(command);
    case CliVerb::Image:
        return runImage(command);
    case CliVerb::Download:
        return runDownload(command);
    case CliVerb::Upload:
        return runUpload(command);
    case CliVerb::Clock:
        return runClock(command);
    case CliVerb::Compare:
        return runCompare(command);
    case CliVerb::Journal:
        return runJournal(command);
    case CliVerb::Plan:
        return runPlan(command);
    case CliVerb::Sync:
        return runSync(command);
    case CliVerb::Print:
        return runPrint(command);
    case CliVerb::Calendar:
        return runCalendar(command);
    case CliVerb::BellsOff:
    case CliVerb::BellsOn:
        return runBells(command);
    case CliVerb::Site:
        return runSiteList(command);
    }
    return kExitUsage;
}
