#include "TavrinCliRun.h"

#include "support/TestPaths.h"
#include "support/TestTimings.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

CliRun runCli(const QStringList &arguments, const QByteArray &input, int timeoutMs,
              const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(binPath(QStringLiteral("tavrin-cli")), arguments + QStringList{testSpeedupOption()});
    CliRun run;
    if (!process.waitForStarted()) {
        run.err = process.errorString();
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("timed out");
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}
