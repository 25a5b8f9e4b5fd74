#include "schedule/StoreOutcome.h"

#include <QCoreApplication>
#include <QDir>

#include <sqlite3.h>

StoreOutcome StoreOutcome::fromCode(int code, const QString &detail)
{
    if (code == SQLITE_READONLY_ROLLBACK)
        return failure(StoreError::ReadOnly,
                       QCoreApplication::translate(
                           "StoreOutcome", "an interrupted save must be rolled back, which needs write access"));
    switch (code & 0xff) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return {};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return failure(StoreError::Busy, detail);
    case SQLITE_CORRUPT:
        return failure(StoreError::Damaged, detail);
    case SQLITE_NOTADB:
        return failure(StoreError::NotSchedule, detail);
    case SQLITE_READONLY:
        return failure(StoreError::ReadOnly, detail);
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
        return failure(StoreError::Unreadable, detail);
    case SQLITE_FULL:
        return failure(StoreError::DiskFull, detail);
    default:
        return failure(StoreError::Failed, detail);
    }
}

StoreOutcome StoreOutcome::fromDatabase(sqlite3 *db)
{
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM;
    const QString text =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QCoreApplication::translate("StoreOutcome", "out of memory");
    StoreOutcome outcome = fromCode(code, text);
    // An error that left no code behind is still an error.
    return outcome ? failure(StoreError::Failed, text) : outcome;
}

QString causeText(const StoreOutcome &outcome, const QString &path)
{
    const QString file = QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path));
    QString text;
    switch (outcome.error) {
    case StoreError::None:
        return {};
    case StoreError::NotRegistered:
        text = QCoreApplication::translate("StoreOutcome", "No schedule database is open.");
        break;
    case StoreError::Missing:
        text = QCoreApplication::translate("StoreOutcome", "%1 does not exist.").arg(file);
        break;
    case StoreError::Unreadable:
        text = QCoreApplication::translate("StoreOutcome", "%1 cannot be opened.").arg(file);
        break;
    case StoreError::ReadOnly:
        text = QCoreApplication::translate("StoreOutcome", "%1 cannot be written.").arg(file);
        break;
    case StoreError::Busy:
        text = QCoreApplication::translate("StoreOutcome", "%1 is in use by another program; try again.").arg(file);
        break;
    case StoreError::Damaged:
        text = QCoreApplication::translate("StoreOutcome", "%1 is damaged.").arg(file);
        break;
    case StoreError::NotSchedule:
        text = QCoreApplication::translate("StoreOutcome", "%1 is not a schedule database.").arg(file);
        break;
    case StoreError::NewerVersion:
        text = QCoreApplication::translate("StoreOutcome",
                                           "%1 was written by a newer version of this program and is left as it is.")
                   .arg(file);
        break;
    case StoreError::DiskFull:
        text = QCoreApplication::translate("StoreOutcome", "The disk holding %1 is full.").arg(file);
        break;
    case StoreError::TemplateMissing:
        text = QCoreApplication::translate("StoreOutcome", "The template database %1 is missing.").arg(file);
        break;
    case StoreError::TemplateDamaged:
        text = QCoreApplication::translate("StoreOutcome",
                                           "The template database %1 is damaged or not a schedule database.")
                   .arg(file);
        break;
    case StoreError::BackupFailed:
        text = QCoreApplication::translate("StoreOutcome", "The backup of %1 could not be made.").arg(file);
        break;
    case StoreError::AccessDatabase:
        text = QCoreApplication::translate(
                   "StoreOutcome",
                   "%1 is a Microsoft Access database, as the original Windows program kept its schedules; this "
                   "program does not read such files. To bring its week over, Upload it from the device that "
                   "holds it and save it here.")
                   .arg(file);
        break;
    case StoreError::HasTriggers:
        text = QCoreApplication::translate("StoreOutcome",
                                           "%1 holds triggers or views (%2), which a schedule file never has and "
                                           "which a save would run; nothing was written into it.")
                   .arg(file, outcome.schema.names().join(QStringLiteral(", ")));
        break;
    case StoreError::Failed:
        text = QCoreApplication::translate("StoreOutcome", "The schedule database %1 failed.").arg(file);
        break;
    case StoreError::RowsLeftOut:
        text = QCoreApplication::translate("StoreOutcome",
                                           "%1 would not keep the rows of the file loaded last that could not be "
                                           "shown; nothing was written into it.")
                   .arg(file);
        break;
    }
    if (!outcome.detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(outcome.detail);
    return text;
}
