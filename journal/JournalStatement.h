#pragma once

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

// One prepared SQLite statement, finalized when it goes; false when it could not be prepared.
class JournalStatement {
public:
    JournalStatement(sqlite3 *db, const char *sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~JournalStatement() { sqlite3_finalize(m_statement); }
    JournalStatement(const JournalStatement &) = delete;
    JournalStatement &operator=(const JournalStatement &) = delete;

    explicit operator bool() const { return m_statement != nullptr; }
    sqlite3_stmt *get() const { return m_statement; }
    int step() { return sqlite3_step(m_statement); }
    void reset() { sqlite3_reset(m_statement); }

    void bind(int index, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, const QByteArray &blob)
    {
        sqlite3_bind_blob(m_statement, index, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, qint64 value) { sqlite3_bind_int64(m_statement, index, value); }

    QString text(int column) const
    {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return t ? QString::fromUtf8(t, sqlite3_column_bytes(m_statement, column)) : QString();
    }
    QByteArray blob(int column) const
    {
        const auto *b = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return b ? QByteArray(b, sqlite3_column_bytes(m_statement, column)) : QByteArray();
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement, column); }
    bool isNull(int column) const { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }

private:
    sqlite3_stmt *m_statement = nullptr;
};
