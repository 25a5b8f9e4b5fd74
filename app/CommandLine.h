#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line:
//   tavrin [--port NAME] [FILE.mdb] | --help | --version
struct CommandLine {
    bool help = false; // print the usage and stop, as command-line programs do
    bool version = false; // print the version and stop
    QString port; // overrides the chosen serial port for this run; empty when not given
    QString file; // a schedule file to open at start-up; empty when none
    QString error; // a text for the operator when the line could not be understood

    bool ok() const { return error.isEmpty(); }

    // arguments[0] is the program itself, as QCoreApplication::arguments() gives it.
    static CommandLine parse(const QStringList &arguments);
    static QString usage();
    // "tavrin 1.1"
    static QString versionText();
};
