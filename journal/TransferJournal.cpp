#include "journal/TransferJournal.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

namespace {

const char *const kSchema = R"(
    CREATE TABLE IF NOT EXISTS entries (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        at_ms INTEGER NOT NULL,
        kind TEXT NOT NULL,
        port TEXT NOT NULL,
        file TEXT NOT NULL,
        weekdays TEXT NOT NULL,
        outcome TEXT NOT NULL,
        clock_offset INTEGER);
    CREATE INDEX IF NOT EXISTS entries_by_time ON entries (at_ms);
    CREATE INDEX IF NOT EXISTS entries_by_port ON entries (port, at_ms);
    CREATE TABLE IF NOT EXISTS images (
        entry_id INTEGER NOT NULL REFERENCES entries (id) ON DELETE CASCADE,
        day INTEGER NOT NULL,
        image BLOB NOT NULL,
        sha256 TEXT NOT NULL,
        PRIMARY KEY (entry_id, day));
)";

const char *const kColumns = "id, at_ms, kind, port, file, weekdays, outcome, clock_offset";

class Statement {
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_statement);
            m_statement = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    explicit operator bool() const { return m_statement != nullptr; }
    sqlite3_stmt *get() const { return m_statement; }

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

QString weekdaysText(const std::vector<int> &weekdays)
{
    QStringList parts;
    for (int d : weekdays)
        parts << QString::number(d);
    return parts.join(QLatin1Char(','));
}

std::vector<int> weekdaysFrom(const QString &text)
{
    std::vector<int> weekdays;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int d = part.toInt(&ok);
        if (ok && d >= 1 && d <= 7)
            weekdays.push_back(d);
    }
    return weekdays;
}

// A row of entries, selected with kColumns; nothing when its kind or outcome is not one of ours.
std::optional<JournalEntry> entryFrom(const Statement &row)
{
    const std::optional<JournalKind> kind = journalKindFromName(row.text(2));
    const std::optional<JournalOutcome> outcome = journalOutcomeFromName(row.text(6));
    if (!kind || !outcome)
        return std::nullopt;
    JournalEntry e;
    e.id = row.integer(0);
    e.when = QDateTime::fromMSecsSinceEpoch(row.integer(1));
    e.kind = *kind;
    e.port = row.text(3);
    e.file = row.text(4);
    e.weekdays = weekdaysFrom(row.text(5));
    e.outcome = *outcome;
    if (!row.isNull(7))
        e.clockOffsetSeconds = int(row.integer(7));
    return e;
}

} // namespace

TransferJournal::TransferJournal(QString path)
    : m_path(std::move(path))
{
}

TransferJournal::~TransferJournal()
{
    sqlite3_close(m_db);
}

std::optional<JournalError> TransferJournal::failure(const QString &what)
{
    const QString cause = what + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(m_db));
    return JournalError{cause};
}

std::optional<JournalError> TransferJournal::ensureOpen()
{
    if (m_db)
        return std::nullopt;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return JournalError{QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder))};

    sqlite3 *db = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(m_path).constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (opened == SQLITE_OK) {
        // The program and a nightly tavrin-cli may write at the same moment.
        sqlite3_busy_timeout(db, 2000);
        // A log, not the schedule: a write-ahead log without a sync per entry keeps each
        // transfer's record cheap, and the last entries at worst are lost on a power cut.
        if (sqlite3_exec(db, "PRAGMA foreign_keys = ON; PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL",
                         nullptr, nullptr, nullptr)
                == SQLITE_OK
            && sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK) {
            m_db = db;
            return std::nullopt;
        }
    }
    const QString cause =
        QStringLiteral("cannot open %1: %2")
            .arg(QDir::toNativeSeparators(m_path), QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));
    sqlite3_close(db);
    return JournalError{cause};
}

std::optional<JournalError> TransferJournal::record(const JournalEntry &entry)
{
    if (!entry.when.isValid())
        return JournalError{QStringLiteral("an entry without its time is not recorded")};
    if (auto error = ensureOpen())
        return error;
    if (sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return failure(QStringLiteral("cannot write the journal"));

    auto rollBack = [this](const QString &what) {
        std::optional<JournalError> error = failure(what);
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return error;
    };

    Statement insert(m_db,
                     "INSERT INTO entries (at_ms, kind, port, file, weekdays, outcome, clock_offset)"
                     " VALUES (?, ?, ?, ?, ?, ?, ?)");
    if (!insert)
        return rollBack(QStringLiteral("cannot write the journal"));
    const qint64 atMs = entry.when.toMSecsSinceEpoch();
    insert.bind(1, atMs);
    insert.bind(2, journalKindName(entry.kind));
    insert.bind(3, entry.port);
    insert.bind(4, entry.file);
    insert.bind(5, weekdaysText(entry.weekdays));
    insert.bind(6, journalOutcomeName(entry.outcome));
    if (entry.clockOffsetSeconds)
        insert.bind(7, qint64(*entry.clockOffsetSeconds));
    if (sqlite3_step(insert.get()) != SQLITE_DONE)
        return rollBack(QStringLiteral("cannot write the journal"));
    const qint64 id = sqlite3_last_insert_rowid(m_db);

    Statement image(m_db, "INSERT OR REPLACE INTO images (entry_id, day, image, sha256) VALUES (?, ?, ?, ?)");
    if (!image)
        return rollBack(QStringLiteral("cannot write the journal"));
    for (const JournalImage &i : entry.images) {
        sqlite3_reset(image.get());
        image.bind(1, id);
        image.bind(2, qint64(i.day));
        image.bind(3, i.image);
        image.bind(4, QString::fromLatin1(QCryptographicHash::hash(i.image, QCryptographicHash::Sha256).toHex()));
        if (sqlite3_step(image.get()) != SQLITE_DONE)
            return rollBack(QStringLiteral("cannot write the journal"));
    }

    // Older than two years before this entry, or beyond the newest kMaxEntries: gone.
    Statement trim(m_db,
                   "DELETE FROM entries WHERE at_ms < ? OR id IN"
                   " (SELECT id FROM entries ORDER BY at_ms DESC, id DESC LIMIT -1 OFFSET ?)");
    if (!trim)
        return rollBack(QStringLiteral("cannot trim the journal"));
    trim.bind(1, entry.when.addYears(-kMaxAgeYears).toMSecsSinceEpoch());
    trim.bind(2, qint64(kMaxEntries));
    if (sqlite3_step(trim.get()) != SQLITE_DONE)
        return rollBack(QStringLiteral("cannot trim the journal"));

    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return rollBack(QStringLiteral("cannot write the journal"));
    return std::nullopt;
}

void TransferJournal::loadImages(JournalEntry &entry, bool withBytes)
{
    Statement select(m_db,
                     withBytes ? "SELECT day, sha256, image FROM images WHERE entry_id = ? ORDER BY day"
                               : "SELECT day, sha256 FROM images WHERE entry_id = ? ORDER BY day");
    if (!select)
        return;
    select.bind(1, entry.id);
    while (sqlite3_step(select.get()) == SQLITE_ROW) {
        JournalImage i;
        i.day = int(select.integer(0));
        i.sha256 = select.text(1).toLatin1();
        if (withBytes)
            i.image = select.blob(2);
        entry.images.push_back(std::move(i));
    }
}

JournalRead TransferJournal::entries(const JournalQuery &query)
{
    JournalRead read;
    if ((read.error = ensureOpen()))
        return read;
    const QByteArray sql = QByteArray("SELECT ") + kColumns + " FROM entries" + (query.port ? " WHERE port = ?1" : "")
        + " ORDER BY at_ms DESC, id DESC LIMIT ?2";
    Statement select(m_db, sql.constData());
    if (!select) {
        read.error = failure(QStringLiteral("cannot read the journal"));
        return read;
    }
    if (query.port)
        select.bind(1, *query.port);
    select.bind(2, qint64(query.last > 0 ? query.last : -1));
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        if (std::optional<JournalEntry> e = entryFrom(select))
            read.entries.push_back(std::move(*e));
    }
    if (step != SQLITE_DONE)
        read.error = failure(QStringLiteral("cannot read the journal"));
    for (JournalEntry &e : read.entries)
        loadImages(e, query.withImages);
    return read;
}

JournalLookup TransferJournal::lastCompletedDownload(const QString &port)
{
    JournalLookup lookup;
    if ((lookup.error = ensureOpen()))
        return lookup;
    const QByteArray sql = QByteArray("SELECT ") + kColumns
        + " FROM entries WHERE port = ? AND kind = ? AND outcome = ?"
          " ORDER BY at_ms DESC, id DESC LIMIT 1";
    Statement select(m_db, sql.constData());
    if (!select) {
        lookup.error = failure(QStringLiteral("cannot read the journal"));
        return lookup;
    }
    select.bind(1, port);
    select.bind(2, journalKindName(JournalKind::Download));
    select.bind(3, journalOutcomeName(JournalOutcome::Completed));
    const int step = sqlite3_step(select.get());
    if (step == SQLITE_ROW)
        lookup.entry = entryFrom(select);
    else if (step != SQLITE_DONE)
        lookup.error = failure(QStringLiteral("cannot read the journal"));
    if (lookup.entry)
        loadImages(*lookup.entry, true);
    return lookup;
}
