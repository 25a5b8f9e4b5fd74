#include "app/CommandLine.h"

#include <QCommandLineParser>

QString CommandLine::usage()
{
    return QStringLiteral("Usage: tavrin [--port NAME] [FILE.mdb]\n"
                          "  --port NAME  the serial port of the Tavrin for this run\n"
                          "  FILE.mdb     a schedule file to open");
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption portOption(QStringList{QStringLiteral("port")},
                                        QStringLiteral("The serial port of the Tavrin."), QStringLiteral("NAME"));
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A schedule file to open."));
    QStringList args = arguments;
    if (args.isEmpty())
        args << QStringLiteral("tavrin");
    if (!parser.parse(args)) {
        result.error = parser.errorText() + QLatin1Char('\n') + usage();
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
