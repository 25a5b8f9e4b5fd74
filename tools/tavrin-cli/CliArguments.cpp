#include "CliCommand.h"

#include "CliHelp.h"
#include "device/PortName.h"
#include "schedule/Weekday.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>

namespace {

struct VerbName {
    const char *name;
    CliVerb verb;
};
constexpr VerbName kVerbs[] = {
    {"show", CliVerb::Show},          {"import", CliVerb::Import},    {"download", CliVerb::Download},
    {"upload", CliVerb::Upload},      {"clock", CliVerb::Clock},      {"image", CliVerb::Image},
    {"compare", CliVerb::Compare},    {"journal", CliVerb::Journal},  {"plan", CliVerb::Plan},
    {"sync", CliVerb::Sync},          {"print", CliVerb::Print},      {"calendar", CliVerb::Calendar},
    {"bells-off", CliVerb::BellsOff}, {"bells-on", CliVerb::BellsOn}, {"site", CliVerb::Site}};

CliParseResult usageError(const QString &verb, const QString &message)
{
    CliParseResult result;
    result.outcome = CliParseResult::UsageError;
    const QString where = verb.isEmpty() ? QStringLiteral("tavrin-cli") : QStringLiteral("tavrin-cli ") + verb;
    result.text =
        where + QStringLiteral(": ") + message + QStringLiteral("\nTry '") + where + QStringLiteral(" --help'.");
    return result;
}

int dayFromText(const QString &text)
{
    return weekdayFromName(text.trimmed().toStdString());
}

QString unknownWeekday(const QString &text)
{
    return QStringLiteral("unknown weekday \"%1\" (a weekday's name or its first three letters)").arg(text);
}

// "HH:MM:SS" after a weekday name: "Wed 07:05:09".
bool parseClockSetting(const QString &text, ClockSetting &setting, QString &problem)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\S+)\\s+(\\d{1,2}):(\\d{2}):(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        problem = QStringLiteral("--set wants \"DAY HH:MM:SS\", not \"%1\"").arg(text);
        return false;
    }
    setting.day = dayFromText(match.captured(1));
    if (setting.day == 0) {
        problem = unknownWeekday(match.captured(1));
        return false;
    }
    setting.hour = match.captured(2).toInt();
    setting.minute = match.captured(3).toInt();
    setting.second = match.captured(4).toInt();
    if (setting.hour > 23 || setting.minute > 59 || setting.second > 59) {
        problem = QStringLiteral("time \"%1:%2:%3\" is not from 00:00:00 to 23:59:59")
                      .arg(match.captured(2), match.captured(3), match.captured(4));
        return false;
    }
    return true;
}

// Dates are written YYYY-MM-DD, four digits of year.
const QDate kLastDate(9999, 12, 31);

// "YYYY-MM-DD", a date of the calendar.
QDate dateFromText(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return form.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
}

// calendar FILE (list | add --first DATE [--last DATE] --program NAME [--note TEXT] | remove N |
// import ICS [--program NAME] [--dry-run])
CliParseResult parseCalendar(const QString &verbText, const QCommandLineParser &parser, const QStringList &positional,
                             CliCommand command)
{
    auto value = [&](const QString &option) {
        const QStringList values = parser.values(option);
        return values.isEmpty() ? QString() : values.last();
    };
    if (positional.isEmpty())
        return usageError(verbText, QStringLiteral("no schedule file given"));
    command.file = positional.at(0);
    command.action = positional.value(1);
    const qsizetype wanted =
        command.action == QLatin1String("remove") || command.action == QLatin1String("import") ? 3 : 2;
    if (command.action.isEmpty())
        return usageError(verbText, QStringLiteral("give list, add, remove or import after the file"));
    if (!QStringList(
             {QStringLiteral("list"), QStringLiteral("add"), QStringLiteral("remove"), QStringLiteral("import")})
             .contains(command.action))
        return usageError(verbText, QStringLiteral("unknown calendar command \"%1\"").arg(command.action));
    if (positional.size() < wanted)
        return usageError(verbText,
                          command.action == QLatin1String("remove")
                              ? QStringLiteral("give the number of the entry to remove, as list numbers them")
                              : QStringLiteral("no iCalendar file given"));
    if (positional.size() > wanted)
        return usageError(verbText, QStringLiteral("unexpected argument \"%1\"").arg(positional.at(wanted)));
    if (command.action == QLatin1String("remove")) {
        bool number = false;
        command.entry = positional.at(2).toInt(&number);
        if (!number || command.entry < 1)
            return usageError(
                verbText, QStringLiteral("remove wants an entry's number from 1 up, not \"%1\"").arg(positional.at(2)));
    }
    if (command.action == QLatin1String("import"))
        command.icsFile = positional.at(2);
    command.program = value(QStringLiteral("program"));
    command.note = value(QStringLiteral("note"));
    command.dryRun = parser.isSet(QStringLiteral("dry-run"));
    if (command.action == QLatin1String("add")) {
        command.first = dateFromText(value(QStringLiteral("first")));
        if (!command.first.isValid())
            return usageError(verbText, QStringLiteral("--first wants a date YYYY-MM-DD"));
        command.lastDate = command.first;
        if (parser.isSet(QStringLiteral("last"))) {
            command.lastDate = dateFromText(value(QStringLiteral("last")));
            if (!command.lastDate.isValid())
                return usageError(verbText, QStringLiteral("--last wants a date YYYY-MM-DD"));
        }
        if (command.program.isEmpty())
            return usageError(verbText, QStringLiteral("no program given (--program NAME)"));
    }
    CliParseResult result;
    result.outcome = CliParseResult::Run;
    result.command = command;
    return result;
}

// The command line without the hidden test option.
CliParseResult parseCommand(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usageError(QString(), QStringLiteral("no command given"));
    const QString verbText = arguments.front();
    if (verbText == QLatin1String("--version")) {
        CliParseResult result;
        result.outcome = CliParseResult::Help;
        result.text = cliVersionText() + QLatin1Char('\n');
        return result;
    }
    if (verbText == QLatin1String("--help") || verbText == QLatin1String("-h") || verbText == QLatin1String("help")) {
        CliParseResult result;
        result.outcome = CliParseResult::Help;
        result.text =
            (arguments.size() > 1 && verbText == QLatin1String("help")) ? cliHelp(arguments.at(1)) : QString();
        if (result.text.isEmpty())
            result.text = cliOverviewHelp();
        return result;
    }
    const auto known = std::find_if(std::begin(kVerbs), std::end(kVerbs),
                                    [&](const VerbName &v) { return verbText == QLatin1String(v.name); });
    if (known == std::end(kVerbs))
        return usageError(QString(), QStringLiteral("unknown command \"%1\"").arg(verbText));

    CliCommand command;
    command.verb = known->verb;

    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption dayOption(QStringLiteral("day"), QString(), QStringLiteral("DAY"));
    const QCommandLineOption toOption(QStringLiteral("to"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption daysOption(QStringLiteral("days"), QString(), QStringLiteral("LIST"));
    const QCommandLineOption allOption(QStringLiteral("all"));
    const QCommandLineOption clearOption(QStringLiteral("clear"));
    const QCommandLineOption setOption(QStringLiteral("set"), QString(), QStringLiteral("DAY HH:MM:SS"));
    const QCommandLineOption nowOption(QStringLiteral("now"));
    const QCommandLineOption hexOption(QStringLiteral("hex"));
    const QCommandLineOption verifyOption(QStringLiteral("verify"));
    const QCommandLineOption journalOption(QStringLiteral("journal"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption lastOption(QStringLiteral("last"), QString(), QStringLiteral("N"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption countOption(QStringLiteral("days"), QString(), QStringLiteral("N"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption checkDeviceOption(QStringLiteral("check-device"));
    const QCommandLineOption icsOption(QStringLiteral("ics"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption removeTriggersOption(QStringLiteral("remove-triggers"));
    const QCommandLineOption intoWeekdaysOption(QStringLiteral("into-weekdays"));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption programsOption(QStringLiteral("programs"));
    const QCommandLineOption calendarOption(QStringLiteral("calendar"));
    const QCommandLineOption firstOption(QStringLiteral("first"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption lastDateOption(QStringLiteral("last"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption programOption(QStringLiteral("program"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption noteOption(QStringLiteral("note"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption untilOption(QStringLiteral("until"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption siteOption(QStringLiteral("site"));
    const QCommandLineOption deviceOption(QStringLiteral("device"), QString(), QStringLiteral("NAME"));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    switch (command.verb) {
    case CliVerb::Show:
        parser.addOption(dayOption);
        break;
    case CliVerb::Import:
        parser.addOptions({toOption, removeTriggersOption});
        break;
    case CliVerb::Download:
        parser.addOptions({portOption, daysOption, allOption, clearOption, verifyOption, journalOption});
        break;
    case CliVerb::Upload:
        parser.addOptions(
            {portOption, toOption, daysOption, allOption, journalOption, removeTriggersOption, intoWeekdaysOption});
        break;
    case CliVerb::Clock:
        parser.addOptions({portOption, setOption, nowOption, journalOption, siteOption, deviceOption});
        break;
    case CliVerb::Image:
        parser.addOptions({dayOption, hexOption});
        break;
    case CliVerb::Compare:
        parser.addOptions({portOption, daysOption, allOption, siteOption, deviceOption});
        break;
    case CliVerb::Journal:
        parser.addOptions({portOption, lastOption, journalOption});
        break;
    case CliVerb::Plan:
        parser.addOptions({fromOption, countOption, portOption, journalOption, icsOption});
        break;
    case CliVerb::Sync:
        parser.addOptions(
            {portOption, fromOption, dryRunOption, checkDeviceOption, journalOption, siteOption, deviceOption});
        break;
    case CliVerb::Site:
        parser.addOptions({siteOption, journalOption});
        break;
    case CliVerb::Print:
        parser.addOptions({pdfOption, daysOption, programsOption, calendarOption});
        break;
    case CliVerb::Calendar:
        parser.addOptions({firstOption, lastDateOption, programOption, noteOption, dryRunOption});
        break;
    case CliVerb::BellsOff:
        parser.addOptions({portOption, untilOption, journalOption});
        break;
    case CliVerb::BellsOn:
        parser.addOptions({portOption, journalOption});
        break;
    }

    // QCommandLineParser takes the first argument as the program's name: here, the verb.
    if (!parser.parse(arguments))
        return usageError(verbText, parser.errorText());
    if (parser.isSet(help)) {
        CliParseResult result;
        result.outcome = CliParseResult::Help;
        result.text = cliHelp(verbText);
        return result;
    }

    const QStringList positional = parser.positionalArguments();
    if (command.verb == CliVerb::Calendar)
        return parseCalendar(verbText, parser, positional, command);
    // Options this verb does not take are not asked about (the parser would warn).
    const QStringList found = parser.optionNames();
    auto given = [&](const char *name) { return found.contains(QLatin1String(name)); };
    auto lastOf = [&](const char *name) { return given(name) ? parser.values(QLatin1String(name)).last() : QString(); };
    if (given("site")) {
        // The file after --site is optional: it is the command's one argument.
        if (positional.size() > 1)
            return usageError(verbText, QStringLiteral("unexpected argument \"%1\"").arg(positional.at(1)));
        if (command.verb != CliVerb::Site && given("port"))
            return usageError(verbText, QStringLiteral("give either --port or --site"));
        command.site = true;
        command.siteFile = positional.value(0);
        if (given("device"))
            command.devices = parser.values(deviceOption);
        command.journal = lastOf("journal");
        command.clearAll = false;
        for (int d = kMonday; d <= kSunday; ++d)
            command.days.push_back(d);
        command.from = QDate::currentDate();
        if (command.verb == CliVerb::Sync) {
            if (given("from")) {
                command.from = dateFromText(parser.value(fromOption));
                if (!command.from.isValid())
                    return usageError(
                        verbText,
                        QStringLiteral("--from wants a date YYYY-MM-DD, not \"%1\"").arg(parser.value(fromOption)));
            }
            command.dryRun = given("dry-run");
            command.checkDevice = given("check-device");
        }
        if (command.verb == CliVerb::Clock) {
            if (given("set"))
                return usageError(verbText, QStringLiteral("a site's clocks are set to this computer's time (--now)"));
            command.now = given("now");
            command.setClock = command.now;
        }
        CliParseResult result;
        result.outcome = CliParseResult::Run;
        result.command = command;
        return result;
    }
    if (command.verb == CliVerb::Site) {
        if (!positional.isEmpty())
            return usageError(verbText, QStringLiteral("unexpected argument \"%1\"").arg(positional.front()));
        command.site = true;
        command.journal = lastOf("journal");
        command.from = QDate::currentDate();
        CliParseResult result;
        result.outcome = CliParseResult::Run;
        result.command = command;
        return result;
    }
    if (command.verb != CliVerb::Site && given("device"))
        return usageError(verbText, QStringLiteral("--device names a device of the site (--site)"));
    const bool wantsFile = command.verb == CliVerb::Show || command.verb == CliVerb::Import
        || command.verb == CliVerb::Download || command.verb == CliVerb::Image || command.verb == CliVerb::Compare
        || command.verb == CliVerb::Plan || command.verb == CliVerb::Sync || command.verb == CliVerb::Print
        || command.verb == CliVerb::BellsOff || command.verb == CliVerb::BellsOn;
    if (wantsFile) {
        if (positional.isEmpty())
            return usageError(verbText,
                              command.verb == CliVerb::Import ? QStringLiteral("no CSV file given")
                                                              : QStringLiteral("no schedule file given"));
        if (positional.size() > 1)
            return usageError(verbText, QStringLiteral("unexpected argument \"%1\"").arg(positional.at(1)));
        command.file = positional.front();
    } else if (!positional.isEmpty()) {
        return usageError(verbText, QStringLiteral("unexpected argument \"%1\"").arg(positional.front()));
    }

    // An option given more than once: the last one counts.
    auto value = [&](const QCommandLineOption &option) {
        const QStringList values = parser.values(option);
        return values.isEmpty() ? QString() : values.last();
    };

    const bool readsDays = command.verb == CliVerb::Upload || command.verb == CliVerb::Compare;
    if (command.verb == CliVerb::Print) {
        command.pdf = value(pdfOption);
        if (command.pdf.isEmpty())
            return usageError(verbText, QStringLiteral("no PDF file to write given (--pdf FILE)"));
        command.programs = parser.isSet(programsOption);
        command.calendar = parser.isSet(calendarOption);
    }
    const bool bells = command.verb == CliVerb::BellsOff || command.verb == CliVerb::BellsOn;
    if (command.verb == CliVerb::Download || readsDays || command.verb == CliVerb::Clock
        || command.verb == CliVerb::Sync || bells) {
        command.port = value(portOption);
        if (command.port.trimmed().isEmpty())
            return usageError(verbText, QStringLiteral("no serial port given (--port NAME)"));
    }

    const bool journalled = command.verb == CliVerb::Download || command.verb == CliVerb::Upload
        || command.verb == CliVerb::Clock || command.verb == CliVerb::Journal || command.verb == CliVerb::Plan
        || command.verb == CliVerb::Sync || bells;
    if (journalled)
        command.journal = value(journalOption);
    if (command.verb == CliVerb::Journal) {
        command.port = value(portOption);
        if (parser.isSet(lastOption)) {
            bool number = false;
            command.last = value(lastOption).toInt(&number);
            if (!number || command.last < 1)
                return usageError(verbText,
                                  QStringLiteral("--last wants a count from 1 up, not \"%1\"").arg(value(lastOption)));
        }
    }

    if (command.verb == CliVerb::BellsOff && parser.isSet(untilOption)) {
        command.lastDate = dateFromText(value(untilOption));
        if (!command.lastDate.isValid())
            return usageError(verbText,
                              QStringLiteral("--until wants a date YYYY-MM-DD, not \"%1\"").arg(value(untilOption)));
    }
    if (command.verb == CliVerb::Plan || command.verb == CliVerb::Sync) {
        command.from = QDate::currentDate();
        if (parser.isSet(fromOption)) {
            command.from = dateFromText(value(fromOption));
            if (!command.from.isValid())
                return usageError(verbText,
                                  QStringLiteral("--from wants a date YYYY-MM-DD, not \"%1\"").arg(value(fromOption)));
        }
        command.dryRun = command.verb == CliVerb::Sync && parser.isSet(dryRunOption);
        command.checkDevice = command.verb == CliVerb::Sync && parser.isSet(checkDeviceOption);
    }
    if (command.verb == CliVerb::Plan) {
        command.port = value(portOption);
        if (parser.isSet(icsOption)) {
            command.ics = value(icsOption);
            if (command.ics.isEmpty())
                return usageError(verbText, QStringLiteral("--ics wants the name of the file to write"));
        }
        if (parser.isSet(countOption)) {
            bool number = false;
            command.count = value(countOption).toInt(&number);
            if (!number || command.count < 1 || command.count > 366)
                return usageError(
                    verbText, QStringLiteral("--days wants a count from 1 to 366, not \"%1\"").arg(value(countOption)));
        }
    }
    if (command.verb == CliVerb::Plan || command.verb == CliVerb::Sync) {
        // The dates looked at: the week ahead always, and plan's --days.
        const int span = command.verb == CliVerb::Plan ? std::max(command.count, 7) : 7;
        if (command.from.addDays(span - 1) > kLastDate)
            return usageError(verbText,
                              QStringLiteral("the dates from %1 reach past %2, the last date this program "
                                             "knows")
                                  .arg(command.from.toString(Qt::ISODate), kLastDate.toString(Qt::ISODate)));
    }

    if (command.verb == CliVerb::Import || command.verb == CliVerb::Upload) {
        command.to = value(toOption);
        if (command.to.isEmpty())
            return usageError(verbText, QStringLiteral("no schedule file to write given (--to FILE)"));
        command.removeTriggers = parser.isSet(removeTriggersOption);
        command.intoWeekdays = command.verb == CliVerb::Upload && parser.isSet(intoWeekdaysOption);
    }

    if (command.verb == CliVerb::Show || command.verb == CliVerb::Image) {
        if (parser.isSet(dayOption)) {
            command.day = dayFromText(value(dayOption));
            if (command.day == 0)
                return usageError(verbText, unknownWeekday(value(dayOption)));
        } else if (command.verb == CliVerb::Image) {
            return usageError(verbText, QStringLiteral("no weekday given (--day DAY)"));
        }
        command.hex = command.verb == CliVerb::Image && parser.isSet(hexOption);
    }

    if (command.verb == CliVerb::Download || readsDays || command.verb == CliVerb::Print) {
        const bool days = parser.isSet(daysOption);
        const bool all = command.verb != CliVerb::Print && parser.isSet(allOption);
        const bool clear = command.verb == CliVerb::Download && parser.isSet(clearOption);
        if (int(days) + int(all) + int(clear) > 1)
            return usageError(verbText,
                              command.verb == CliVerb::Download
                                  ? QStringLiteral("give one of --days, --all and --clear")
                                  : QStringLiteral("give either --days or --all"));
        if (command.verb == CliVerb::Download && !days && !all && !clear)
            return usageError(verbText, QStringLiteral("give the weekdays to send: --days LIST, --all or --clear"));
        command.clearAll = clear;
        command.verify = command.verb == CliVerb::Download && parser.isSet(verifyOption);
        if (command.verify && clear)
            return usageError(verbText, QStringLiteral("--verify compares weekdays sent; ALL Clear sends none"));
        if (days) {
            bool chosen[8] = {};
            for (const QString &name : value(daysOption).split(QLatin1Char(','))) {
                const int day = dayFromText(name);
                if (day == 0)
                    return usageError(verbText, unknownWeekday(name.trimmed()));
                chosen[day] = true;
            }
            for (int d = kMonday; d <= kSunday; ++d) {
                if (chosen[d])
                    command.days.push_back(d);
            }
        } else if (!clear) {
            for (int d = kMonday; d <= kSunday; ++d)
                command.days.push_back(d);
        }
    }

    if (command.verb == CliVerb::Clock) {
        if (parser.isSet(setOption) && parser.isSet(nowOption))
            return usageError(verbText, QStringLiteral("give either --set or --now"));
        command.now = parser.isSet(nowOption);
        command.setClock = command.now || parser.isSet(setOption);
        if (parser.isSet(setOption)) {
            QString problem;
            if (!parseClockSetting(value(setOption), command.setting, problem))
                return usageError(verbText, problem);
        }
    }

    // Refused here rather than when the port opens: a journal or plan filtered by a name no
    // port can have would find nothing and say nothing.
    PortAddress address;
    if (!command.port.trimmed().isEmpty() && !parsePortName(command.port.trimmed(), address))
        return usageError(verbText, malformedPortNameText(command.port.trimmed()));

    CliParseResult result;
    result.outcome = CliParseResult::Run;
    result.command = command;
    return result;
}

} // namespace

CliParseResult parseCliArguments(const QStringList &given)
{
    // Hidden, for the tests only and named in no help: "--test-speedup=N" anywhere runs the
    // protocol's waits N times shorter, so the tests' simulator is not waited for at the
    // device's pace. A real device needs its own pace.
    const QLatin1String speedupOption("--test-speedup=");
    QStringList arguments;
    int speedup = 1;
    const QLatin1String siteWithFile("--site=");
    for (const QString &argument : given) {
        // --site takes its file as the next argument or after "=".
        if (argument.startsWith(siteWithFile)) {
            arguments << QStringLiteral("--site") << argument.mid(siteWithFile.size());
            continue;
        }
        if (!argument.startsWith(speedupOption)) {
            arguments << argument;
            continue;
        }
        bool ok = false;
        speedup = argument.mid(speedupOption.size()).toInt(&ok);
        if (!ok || speedup < 1)
            return usageError(QString(), QStringLiteral("--test-speedup wants a whole number above 0"));
    }
    CliParseResult result = parseCommand(arguments);
    result.command.timings = ProtocolTimings{}.fasterBy(speedup);
    return result;
}
