#include "schedule/UnfinishedSaves.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace UnfinishedSaves {
namespace {

QString suffix(Kind kind)
{
    return kind == Kind::NewFile ? QStringLiteral("saving") : QStringLiteral("bak-saving");
}

const QString kJournal = QStringLiteral("-journal");

} // namespace

QString temporaryPathFor(const QString &finalPath, Kind kind)
{
    const QFileInfo info(finalPath);
    QString path;
    do {
        path = info.dir().filePath(QStringLiteral(".%1.%2.%3")
                                       .arg(info.fileName())
                                       .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                                       .arg(suffix(kind)));
    } while (QFileInfo::exists(path));
    return path;
}

QString scheduleNameOf(const QString &fileName, Kind kind)
{
    static const QRegularExpression newFile(QStringLiteral("^\\.(.+)\\.[0-9a-f]{8}\\.saving$"));
    static const QRegularExpression backup(QStringLiteral("^\\.(.+)\\.[0-9a-f]{8}\\.bak-saving$"));
    const QRegularExpressionMatch match = (kind == Kind::NewFile ? newFile : backup).match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::vector<Leftover> orphaned(const QString &folder)
{
    std::vector<Leftover> found;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*.saving")}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        const QString scheduleName = scheduleNameOf(name, Kind::NewFile);
        if (!scheduleName.isEmpty() && !QFileInfo::exists(dir.filePath(scheduleName)))
            found.push_back({dir.filePath(name), scheduleName});
    }
    return found;
}

int removeStale(const QString &schedulePath)
{
    const QFileInfo info(schedulePath);
    if (!info.exists())
        return 0;
    const QDir dir = info.dir();
    int removed = 0;
    const QStringList names = dir.entryList({QStringLiteral(".*saving*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QString base = name.endsWith(kJournal) ? name.chopped(kJournal.size()) : name;
        if (scheduleNameOf(base, Kind::NewFile) == info.fileName()
            || scheduleNameOf(base, Kind::Backup) == info.fileName())
            removed += QFile::remove(dir.filePath(name)) ? 1 : 0;
    }
    return removed;
}

} // namespace UnfinishedSaves
