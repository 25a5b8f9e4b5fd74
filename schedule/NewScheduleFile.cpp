#include "schedule/NewScheduleFile.h"

#include "schedule/DurableRename.h"
#include "schedule/ScheduleDatabase.h"
#include "schedule/SqliteFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace NewScheduleFile {

StoreOutcome copyTemplate(const QString &templatePath, const QString &path)
{
    if (!QFileInfo(templatePath).isFile())
        return StoreOutcome::failure(StoreError::TemplateMissing);
    SqliteFile source;
    StoreOutcome outcome = source.open(templatePath, SqliteFile::Mode::Existing);
    if (outcome)
        outcome = ScheduleDatabase::check(source.get());
    if (outcome) {
        sqlite3_stmt *statement = nullptr;
        QString verdict;
        if (sqlite3_prepare_v2(source.get(), "PRAGMA quick_check", -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            verdict = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        else
            outcome = StoreOutcome::fromDatabase(source.get());
        sqlite3_finalize(statement);
        if (outcome && verdict != QLatin1String("ok"))
            outcome = StoreOutcome::failure(StoreError::Damaged, verdict);
    }
    if (!outcome) {
        const bool theTemplate = outcome.error == StoreError::Damaged || outcome.error == StoreError::NotSchedule
            || outcome.error == StoreError::NewerVersion || outcome.error == StoreError::Failed;
        return theTemplate ? StoreOutcome::failure(StoreError::TemplateDamaged, outcome.detail) : outcome;
    }
    outcome = backupDatabase(source.get(), path);
    if (!outcome)
        remove(path);
    return outcome;
}

void remove(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

StoreOutcome moveIntoPlace(const QString &temporaryPath, const QString &finalPath)
{
    return durableRename(temporaryPath, finalPath, false);
}

} // namespace NewScheduleFile
