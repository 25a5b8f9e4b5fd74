#include "app/CommandLine.h"

#include <QCommandLineParser>

#ifndef TAVRIN_VERSION
#define TAVRIN_VERSION "0"
#endif

QString CommandLine::usage()
{
    return QStringLiteral("Usage: tavrin [--port NAME] [FILE.mdb]\n"
                          "  --port NAME  the serial port of the Tavrin for this run\n"
                          "  FILE.mdb     a schedule file to open\n"
                          "  --help       show this text\n"
                          "  --version    show the version");
}

QString CommandLine::versionText()
{
    return QStringLiteral("tavrin " TAVRIN_VERSION);
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption portOption(QStringList{QStringLiteral("port")},
                                        QStringLiteral("The serial port of the Tavrin."), QStringLiteral("NAME"));
    parser.addOption(portOption);
    const QCommandLineOption helpOption(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption versionOption(QStringList{QStringLiteral("version"), QStringLiteral("v")});
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A schedule file to open."));
    QStringList args = arguments;
    if (args.isEmpty())
        args << QStringLiteral("tavrin");
    if (!parser.parse(args)) {
        result.error = parser.errorText() + QLatin1Char('\n') + usage();
        return result;
    }
    if (parser.isSet(helpOption) || parser.isSet(versionOption)) {
        result.help = parser.isSet(helpOption);
        result.version = !result.help;
        return result;
    }
    if (parser.isSet(portOption)) {
        result.port = parser.value(portOption).trimmed();
        if (result.port.isEmpty()) {
            result.error = QStringLiteral("--port needs the name of a serial port.\n") + usage();
            return result;
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        result.error = QStringLiteral("Only one schedule file can be opened at start-up.\n") + usage();
        return result;
    }
    if (!files.isEmpty())
        result.file = files.first();
    return result;
}
