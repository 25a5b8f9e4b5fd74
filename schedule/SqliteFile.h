#pragma once

#include "schedule/StoreOutcome.h"

#include <QString>

#include <string>

struct sqlite3;

// One SQLite connection to one schedule file, closed when it goes. Every connection of the
// store is made here, so all of them get the same settings: a busy timeout, synchronous=FULL
// (a committed save is on the disk), and a cap on the length of any value SQLite returns.
class SqliteFile {
public:
    enum class Mode {
        Existing, // read-write, never creating the file; a hot journal is rolled back on first read
        Create, // a new file; fails when one is there
    };

    SqliteFile() = default;
    ~SqliteFile();
    SqliteFile(SqliteFile &&other) noexcept;
    SqliteFile &operator=(SqliteFile &&other) noexcept;
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    StoreOutcome open(const QString &path, Mode mode);
    void close();

    sqlite3 *get() const { return m_db; }
    explicit operator bool() const { return m_db != nullptr; }

    // Runs statements without results; the outcome of the first that fails.
    StoreOutcome exec(const std::string &sql);
    // The integer a one-value query returns (e.g. a pragma), or fallback.
    long long integer(const std::string &sql, long long fallback = 0);

private:
    sqlite3 *m_db = nullptr;
};

// Copies the whole database open on from into the file at toPath through SQLite's backup API,
// replacing what toPath held (a file there that is not SQLite is replaced too).
StoreOutcome backupDatabase(sqlite3 *from, const QString &toPath);
