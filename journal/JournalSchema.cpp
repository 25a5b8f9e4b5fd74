#include "journal/JournalSchema.h"

#include "journal/JournalStatement.h"

#include <QCryptographicHash>

namespace {

// 1: every entry's images held whole in `images`. 2: each distinct image once, compressed,
// in `image_data`; `images` names it, with the schedule it carried.
constexpr int kVersion = 2;

const char *const kTables = R"(
    CREATE TABLE IF NOT EXISTS entries (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        at_ms INTEGER NOT NULL,
        kind TEXT NOT NULL,
        port TEXT NOT NULL,
        file TEXT NOT NULL,
        weekdays TEXT NOT NULL,
        outcome TEXT NOT NULL,
        clock_offset INTEGER);
    CREATE INDEX IF NOT EXISTS entries_of_port ON entries (port);
    CREATE TABLE IF NOT EXISTS image_data (
        id INTEGER PRIMARY KEY,
        sha256 TEXT NOT NULL UNIQUE,
        data BLOB NOT NULL);
    CREATE TABLE IF NOT EXISTS images (
        entry_id INTEGER NOT NULL REFERENCES entries (id) ON DELETE CASCADE,
        day INTEGER NOT NULL,
        data_id INTEGER NOT NULL REFERENCES image_data (id),
        schedule TEXT NOT NULL DEFAULT '',
        program INTEGER NOT NULL DEFAULT 0,
        PRIMARY KEY (entry_id, day)) WITHOUT ROWID;
    CREATE INDEX IF NOT EXISTS images_by_data ON images (data_id);
)";

bool exec(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

qint64 pragma(sqlite3 *db, const char *sql)
{
    JournalStatement read(db, sql);
    return read && read.step() == SQLITE_ROW ? read.integer(0) : -1;
}

QString lastError(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

QByteArray sha256Of(const QByteArray &image)
{
    return QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex();
}

// The first version kept the bytes of every image of every entry: about 43 KB a week sent.
std::optional<QString> migrateFromWholeImages(sqlite3 *db)
{
    if (!exec(db, "BEGIN IMMEDIATE"))
        return lastError(db);
    auto fail = [db] {
        const QString cause = lastError(db);
        exec(db, "ROLLBACK");
        return cause;
    };
    if (!exec(db,
              "ALTER TABLE images RENAME TO images_whole;"
              " DROP INDEX IF EXISTS entries_by_time; DROP INDEX IF EXISTS entries_by_port")
        || !exec(db, kTables))
        return fail();
    {
        JournalStatement old(db, "SELECT entry_id, day, image FROM images_whole");
        JournalStatement insert(db, "INSERT INTO images (entry_id, day, data_id) VALUES (?, ?, ?)");
        if (!old || !insert)
            return fail();
        int step;
        while ((step = old.step()) == SQLITE_ROW) {
            const QByteArray image = old.blob(2);
            const std::optional<qint64> data = storeJournalImage(db, image, sha256Of(image));
            if (!data)
                return fail();
            insert.reset();
            insert.bind(1, old.integer(0));
            insert.bind(2, old.integer(1));
            insert.bind(3, *data);
            if (insert.step() != SQLITE_DONE)
                return fail();
        }
        if (step != SQLITE_DONE)
            return fail();
    }
    if (!exec(db, "DROP TABLE images_whole; PRAGMA user_version = 2") || !exec(db, "COMMIT"))
        return fail();
    return std::nullopt;
}

} // namespace

std::optional<QString> prepareJournalSchema(sqlite3 *db)
{
    // Takes effect in a new file only; an older one is compacted below.
    exec(db, "PRAGMA auto_vacuum = INCREMENTAL");
    // A log, not the schedule: a write-ahead log without a sync per entry keeps each transfer's
    // record cheap, and the last entries at worst are lost on a power cut.
    if (!exec(db,
              "PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL;"
              " PRAGMA journal_size_limit = 1048576"))
        return lastError(db);

    const qint64 version = pragma(db, "PRAGMA user_version");
    if (version < 0)
        return lastError(db);
    const bool wholeImages =
        version < kVersion && pragma(db, "SELECT count(*) FROM pragma_table_info('images') WHERE name = 'image'") > 0;
    if (wholeImages) {
        if (std::optional<QString> error = migrateFromWholeImages(db))
            return error;
    } else if (version < kVersion) {
        if (!exec(db, kTables) || !exec(db, "PRAGMA user_version = 2"))
            return lastError(db);
    }

    // Once per file: VACUUM turns the space it holds free into space it can give back. A file
    // in use by another program is compacted at a later opening.
    if (pragma(db, "PRAGMA auto_vacuum") != 2) {
        exec(db, "PRAGMA auto_vacuum = INCREMENTAL");
        exec(db, "VACUUM");
    }
    return std::nullopt;
}

std::optional<qint64> storeJournalImage(sqlite3 *db, const QByteArray &image, const QByteArray &sha256Hex)
{
    JournalStatement find(db, "SELECT id FROM image_data WHERE sha256 = ?");
    if (!find)
        return std::nullopt;
    find.bind(1, QString::fromLatin1(sha256Hex));
    if (find.step() == SQLITE_ROW)
        return find.integer(0);
    JournalStatement insert(db, "INSERT INTO image_data (sha256, data) VALUES (?, ?)");
    if (!insert)
        return std::nullopt;
    insert.bind(1, QString::fromLatin1(sha256Hex));
    insert.bind(2, qCompress(image));
    if (insert.step() != SQLITE_DONE)
        return std::nullopt;
    return sqlite3_last_insert_rowid(db);
}

QByteArray journalImageBytes(const QByteArray &stored)
{
    return qUncompress(stored);
}
