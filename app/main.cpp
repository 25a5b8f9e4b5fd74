#include "app/CommandLine.h"
#include "app/gui/CTavrinApp.h"
#include "app/Translations.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/TemplateDirectory.h"

#include <cstdio>
#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QStringList rawArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString programDirectory(const char *argv0)
{
    // /proc/self/exe names the real program, whatever path or link started it
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString target =
        self.exists() ? self.canonicalFilePath() : QFileInfo(QString::fromLocal8Bit(argv0)).absoluteFilePath();
    return QFileInfo(target).absolutePath();
}

} // namespace

int main(int argc, char **argv)
{
    // --help, --version and a wrong line answer without a window, so without a display too.
    const CommandLine line = CommandLine::parse(rawArguments(argc, argv));
    if (!line.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(line.error));
        return 2;
    }
    if (line.help || line.version) {
        if (line.help) {
            const QString dir = defaultTemplateDirectory(programDirectory(argv[0]));
            std::printf("%s\nTemplate schedule: %s\n", qPrintable(CommandLine::usage()),
                        qPrintable(QDir(dir).filePath(ScheduleFiles::kTemplateFileName)));
        } else {
            std::printf("%s\n", qPrintable(CommandLine::versionText()));
        }
        return 0;
    }

    QApplication qapp(argc, argv);
    installTranslations(qapp, QLocale::system(), programDirectory(argv[0]));
    CTavrinApp theApp;
    if (!theApp.InitInstance(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(theApp.errorText()));
        return 2;
    }
    return qapp.exec();
}
