#pragma once

#include "schedule/LeftOutRows.h"

#include <QString>
#include <QStringList>

struct sqlite3;

// Why a store or file command did not do its work.
enum class StoreError {
    None,
    NotRegistered, // no schedule file is open
    Missing, // the file is not there
    Unreadable, // the file cannot be opened (permissions, a folder, ...)
    ReadOnly, // the file or its folder cannot be written (also: recovery needs writing)
    Busy, // another program holds the file
    Damaged, // SQLite found the file corrupt
    NotSchedule, // not SQLite, or not the seven weekday tables, or another program's file
    NewerVersion, // written by a newer version of this program
    DiskFull,
    TemplateMissing, // the template a new file is made from is not there
    TemplateDamaged, // ... or is not a sound schedule file
    BackupFailed, // the previous content could not be kept beside the file
    AccessDatabase, // an Access database (Jet or ACE), as the original Windows program kept
    HasTriggers, // the file holds triggers or views, which a save would run; nothing written
    Failed, // any other database error
    RowsLeftOut, // a save would lose the rows the last load could not show; nothing written
};

// The outcome of a store or file command: the error, the database's own text for it, and
// for a load the rows that could not be shown.
struct StoreOutcome {
    // What a file holds beyond its tables (HasTriggers), by name.
    struct Schema {
        QStringList triggers;
        QStringList views;
        bool empty() const { return triggers.isEmpty() && views.isEmpty(); }
        QStringList names() const { return triggers + views; }
    };

    StoreError error = StoreError::None;
    QString detail;
    LeftOutRows leftOut;
    Schema schema;

    explicit operator bool() const { return error == StoreError::None; }

    static StoreOutcome failure(StoreError error, const QString &detail = QString()) { return {error, detail, {}, {}}; }
    // The last error on db, sorted by SQLite's code.
    static StoreOutcome fromDatabase(sqlite3 *db);
    static StoreOutcome fromCode(int code, const QString &detail);
};

// The cause of a failure for the operator, naming the file: "\"/x/week.mdb\" is in use by
// another program (database is locked)."
QString causeText(const StoreOutcome &outcome, const QString &path);
