#include "schedule/SqliteFile.h"

#include "schedule/ScheduleFileFormat.h"

#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <utility>

SqliteFile::~SqliteFile()
{
    close();
}

SqliteFile::SqliteFile(SqliteFile &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
{
}

SqliteFile &SqliteFile::operator=(SqliteFile &&other) noexcept
{
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
    }
    return *this;
}

void SqliteFile::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

StoreOutcome SqliteFile::open(const QString &path, Mode mode)
{
    close();
    const bool exists = QFileInfo::exists(path);
    if (mode == Mode::Existing && !exists)
        return StoreOutcome::failure(StoreError::Missing);
    if (mode == Mode::Create && exists)
        return StoreOutcome::failure(StoreError::Failed, QStringLiteral("the file already exists"));

    const int flags = SQLITE_OPEN_READWRITE | (mode == Mode::Create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    const QByteArray name = QFile::encodeName(path);
    const int code = sqlite3_open_v2(name.constData(), &m_db, flags, nullptr);
    if (code != SQLITE_OK) {
        StoreOutcome outcome = StoreOutcome::fromDatabase(m_db);
        close();
        return outcome;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 2000);
    sqlite3_limit(m_db, SQLITE_LIMIT_LENGTH, ScheduleFileFormat::kMaxValueBytes);
    // Neither the journal mode nor the sync level is left to how SQLite was built: a rollback
    // journal beside the file, and every commit synced, journal and file.
    StoreOutcome outcome = exec("PRAGMA synchronous=FULL");
    if (!outcome)
        close();
    return outcome;
}

StoreOutcome SqliteFile::exec(const std::string &sql)
{
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return StoreOutcome::fromDatabase(m_db);
    return {};
}

long long SqliteFile::integer(const std::string &sql, long long fallback)
{
    sqlite3_stmt *statement = nullptr;
    long long value = fallback;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return value;
}

namespace {

StoreOutcome backupOnce(sqlite3 *from, const QString &toPath)
{
    sqlite3 *to = nullptr;
    const QByteArray name = QFile::encodeName(toPath);
    if (sqlite3_open_v2(name.constData(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        StoreOutcome outcome = StoreOutcome::fromDatabase(to);
        sqlite3_close_v2(to);
        return outcome;
    }
    sqlite3_exec(to, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    StoreOutcome outcome;
    if (sqlite3_backup *backup = sqlite3_backup_init(to, "main", from, "main")) {
        const int step = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (step != SQLITE_DONE)
            outcome = StoreOutcome::fromCode(step, QString::fromUtf8(sqlite3_errstr(step)));
        else if (sqlite3_errcode(to) != SQLITE_OK)
            outcome = StoreOutcome::fromDatabase(to);
    } else {
        outcome = StoreOutcome::fromDatabase(to);
    }
    sqlite3_close_v2(to);
    return outcome;
}

} // namespace

StoreOutcome backupDatabase(sqlite3 *from, const QString &toPath)
{
    StoreOutcome outcome = backupOnce(from, toPath);
    if (outcome.error == StoreError::NotSchedule || outcome.error == StoreError::Damaged) {
        // What lay there was no database (or a broken one): it is replaced, not kept.
        QFile::remove(toPath);
        QFile::remove(toPath + QStringLiteral("-journal"));
        outcome = backupOnce(from, toPath);
    }
    return outcome;
}
