#include "schedule/TemplateDirectory.h"

#include <QDir>
#include <QFileInfo>

#ifndef TAVRIN_DATA_FROM_BINDIR
#define TAVRIN_DATA_FROM_BINDIR "../share/tavrin"
#endif
#ifndef TAVRIN_DATA_DIR
#define TAVRIN_DATA_DIR "/usr/local/share/tavrin"
#endif

namespace {
const QString kTemplate = QStringLiteral("default.mdb");
}

QString installedDataDirectory(const QString &programDirectory)
{
    const QString relative = QDir::cleanPath(QDir(programDirectory).filePath(QStringLiteral(TAVRIN_DATA_FROM_BINDIR)));
    if (QFileInfo(QDir(relative).filePath(kTemplate)).isFile())
        return relative;
    return QStringLiteral(TAVRIN_DATA_DIR);
}

QString defaultTemplateDirectory(const QString &programDirectory)
{
    if (QFileInfo(QDir(programDirectory).filePath(kTemplate)).isFile())
        return programDirectory;
    const QString installed = installedDataDirectory(programDirectory);
    // Neither has it: the message then names the place beside the program.
    return QFileInfo(QDir(installed).filePath(kTemplate)).isFile() ? installed : programDirectory;
}
