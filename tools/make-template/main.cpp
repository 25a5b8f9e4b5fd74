// Writes the empty template schedule database the program opens at start-up and by New, and
// copies for every new schedule file.
#include "schedule/ScheduleDatabase.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tavrin-make-template OUTPUT.mdb\n");
        return 2;
    }
    const QString output = args.at(1);
    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    QString error;
    if (!ScheduleDatabase::create(partial, &error)) {
        std::fprintf(stderr, "tavrin-make-template: %s\n", qPrintable(error));
        QFile::remove(partial);
        return 1;
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        std::fprintf(stderr, "tavrin-make-template: cannot write %s\n", qPrintable(output));
        QFile::remove(partial);
        return 1;
    }
    return 0;
}
