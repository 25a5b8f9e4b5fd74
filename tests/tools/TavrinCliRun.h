#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QTemporaryDir;

// One run of tavrin-cli from the build, its waits as short as the tests' (testTimings): exit
// status and both outputs.
struct CliRun {
    int status = -1;
    QByteArray out;
    QString err;
};

CliRun runCli(const QStringList &arguments, const QByteArray &input = QByteArray(), int timeoutMs = 120000,
              const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Writes text to a file in dir and returns its path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text);
