#include "journal/TransferJournal.h"

#include "journal/JournalSchema.h"
#include "journal/JournalStatement.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

using Statement = JournalStatement;

const char *const kColumns = "id, at_ms, kind, port, file, weekdays, outcome, clock_offset";

// An entry leaves for its age only once this many of the newest entries stand more than
// kMaxAgeYears after it: one send made while the computer's clock ran years ahead must not
// empty the journal.
constexpr int kAgeWitnesses = 8;

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
    std::optional<QString> why;
    if (opened == SQLITE_OK) {
        // The program and a nightly tavrin-cli may write at the same moment.
        sqlite3_busy_timeout(db, 2000);
        why = prepareJournalSchema(db);
        if (!why) {
            m_db = db;
            return std::nullopt;
        }
    }
    const QString cause = QStringLiteral("cannot open %1: %2")
                              .arg(QDir::toNativeSeparators(m_path),
                                   why ? *why : QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));
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

    Statement image(m_db,
                    "INSERT OR REPLACE INTO images (entry_id, day, data_id, schedule, program) VALUES (?, ?, ?, ?, ?)");
    if (!image)
        return rollBack(QStringLiteral("cannot write the journal"));
    for (const JournalImage &i : entry.images) {
        const QByteArray sha256 = QCryptographicHash::hash(i.image, QCryptographicHash::Sha256).toHex();
        const std::optional<qint64> data = storeJournalImage(m_db, i.image, sha256);
        if (!data)
            return rollBack(QStringLiteral("cannot write the journal"));
        image.reset();
        image.bind(1, id);
        image.bind(2, qint64(i.day));
        image.bind(3, *data);
        image.bind(4, i.schedule);
        image.bind(5, qint64(i.program ? 1 : 0));
        if (image.step() != SQLITE_DONE)
            return rollBack(QStringLiteral("cannot write the journal"));
    }

    std::optional<bool> trimmed = trim();
    if (!trimmed)
        return rollBack(QStringLiteral("cannot trim the journal"));

    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return rollBack(QStringLiteral("cannot write the journal"));
    // The pages the trim freed go back to the file system.
    if (*trimmed)
        sqlite3_exec(m_db, "PRAGMA incremental_vacuum", nullptr, nullptr, nullptr);
    return std::nullopt;
}

std::optional<bool> TransferJournal::trim()
{
    // In the order the entries were written, never by their time stamps: the computer's clock
    // may have been wrong for any of them.
    Statement beyondCap(m_db,
                        "DELETE FROM entries WHERE id <= (SELECT id FROM entries ORDER BY id DESC LIMIT 1 OFFSET ?)");
    if (!beyondCap)
        return std::nullopt;
    beyondCap.bind(1, qint64(kMaxEntries));
    if (beyondCap.step() != SQLITE_DONE)
        return std::nullopt;
    int removed = sqlite3_changes(m_db);

    // Too old: the entries written before the first one that is not, as the newest few date it.
    Statement witnesses(m_db, "SELECT min(at_ms) FROM (SELECT at_ms FROM entries ORDER BY id DESC LIMIT ?)");
    if (!witnesses)
        return std::nullopt;
    witnesses.bind(1, qint64(kAgeWitnesses));
    if (witnesses.step() != SQLITE_ROW)
        return std::nullopt;
    if (!witnesses.isNull(0)) {
        const qint64 cut =
            QDateTime::fromMSecsSinceEpoch(witnesses.integer(0), Qt::UTC).addYears(-kMaxAgeYears).toMSecsSinceEpoch();
        Statement old(m_db, "DELETE FROM entries WHERE id < (SELECT min(id) FROM entries WHERE at_ms >= ?)");
        if (!old)
            return std::nullopt;
        old.bind(1, cut);
        if (old.step() != SQLITE_DONE)
            return std::nullopt;
        removed += sqlite3_changes(m_db);
    }
    if (removed == 0)
        return false;

    // Images no entry names any more.
    Statement orphans(
        m_db, "DELETE FROM image_data WHERE NOT EXISTS (SELECT 1 FROM images WHERE images.data_id = image_data.id)");
    if (!orphans || orphans.step() != SQLITE_DONE)
        return std::nullopt;
    return true;
}

void TransferJournal::loadImages(JournalEntry &entry, bool withBytes)
{
    Statement select(m_db,
                     withBytes ? "SELECT i.day, d.sha256, i.schedule, i.program, d.data FROM images i"
                                 " JOIN image_data d ON d.id = i.data_id WHERE i.entry_id = ? ORDER BY i.day"
                               : "SELECT i.day, d.sha256, i.schedule, i.program FROM images i"
                                 " JOIN image_data d ON d.id = i.data_id WHERE i.entry_id = ? ORDER BY i.day");
    if (!select)
        return;
    select.bind(1, entry.id);
    while (select.step() == SQLITE_ROW) {
        JournalImage i;
        i.day = int(select.integer(0));
        i.sha256 = select.text(1).toLatin1();
        i.schedule = select.text(2);
        i.program = select.integer(3) != 0;
        if (withBytes)
            i.image = journalImageBytes(select.blob(4));
        entry.images.push_back(std::move(i));
    }
}

JournalRead TransferJournal::entries(const JournalQuery &query)
{
    JournalRead read;
    if ((read.error = ensureOpen()))
        return read;
    const QByteArray sql = QByteArray("SELECT ") + kColumns + " FROM entries" + (query.port ? " WHERE port = ?1" : "")
        + " ORDER BY id DESC LIMIT ?2";
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
          " ORDER BY id DESC LIMIT 1";
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
