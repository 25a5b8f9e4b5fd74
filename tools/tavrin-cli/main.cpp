// tavrin-cli: the schedule files and the device, without a window.
#include "CliCommand.h"
#include "CliOutput.h"
#include "CompareCommands.h"
#include "DeviceCommands.h"
#include "JournalCommand.h"
#include "PlanCommands.h"
#include "schedule/ProgramNames.h"
#include "ScheduleCommands.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    // No window system: device and file commands run headless (under systemd, over ssh). A
    // command that draws (printing) would make its own QGuiApplication, never this one.
    QCoreApplication app(argc, argv);
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
    }
    return kExitUsage;
}
