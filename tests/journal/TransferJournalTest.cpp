#include "journal/TransferJournal.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {
const QDateTime kNow(QDate(2026, 12, 9), QTime(21, 54), Qt::UTC);

JournalEntry entry(JournalKind kind, const QString &port, const QDateTime &when,
                   JournalOutcome outcome = JournalOutcome::Completed)
{
    JournalEntry e;
    e.kind = kind;
    e.port = port;
    e.when = when;
    e.outcome = outcome;
    return e;
}

QByteArray imageOf(char fill)
{
    return QByteArray(5760, fill);
}
} // namespace

TEST(TransferJournal, RecordsAndReadsBackNewestFirst)
{
    QTemporaryDir dir;
    TransferJournal journal(dir.filePath(QStringLiteral("data/journal.sqlite"))); // the folder is made too

    JournalEntry sent = entry(JournalKind::Download, QStringLiteral("/dev/ttyUSB0"), kNow.addSecs(-60));
    sent.file = QStringLiteral("/home/op/school.db");
    sent.weekdays = {1, 3};
    sent.images = {{1, imageOf('0'), {}, QStringLiteral("Monday"), false},
                   {3, imageOf('1'), {}, QStringLiteral("Exam day"), true}};
    ASSERT_EQ(journal.record(sent), std::nullopt);
    ASSERT_EQ(
        journal.record(entry(JournalKind::Download, QStringLiteral("/dev/ttyUSB0"), kNow, JournalOutcome::NoResponse)),
        std::nullopt);
    JournalEntry clock = entry(JournalKind::ClockSet, QStringLiteral("/dev/ttyS0"), kNow.addSecs(30));
    clock.clockOffsetSeconds = -133;
    ASSERT_EQ(journal.record(clock), std::nullopt);

    const JournalRead all = journal.entries();
    ASSERT_EQ(all.error, std::nullopt);
    ASSERT_EQ(all.entries.size(), 3u);
    EXPECT_EQ(all.entries[0].kind, JournalKind::ClockSet);
    EXPECT_EQ(all.entries[0].clockOffsetSeconds, -133);
    EXPECT_EQ(all.entries[1].outcome, JournalOutcome::NoResponse);
    EXPECT_EQ(all.entries[1].clockOffsetSeconds, std::nullopt);
    const JournalEntry &back = all.entries[2];
    EXPECT_EQ(back.when, sent.when);
    EXPECT_EQ(back.file, sent.file);
    EXPECT_EQ(back.weekdays, sent.weekdays);
    ASSERT_EQ(back.images.size(), 2u);
    EXPECT_TRUE(back.images[0].image.isEmpty()); // bytes only when asked for
    EXPECT_EQ(back.images[1].sha256, QCryptographicHash::hash(imageOf('1'), QCryptographicHash::Sha256).toHex());
    EXPECT_EQ(back.images[1].schedule, "Exam day");
    EXPECT_TRUE(back.images[1].program);
    EXPECT_FALSE(back.images[0].program);

    const JournalRead usb = journal.entries({QStringLiteral("/dev/ttyUSB0"), 1, true});
    ASSERT_EQ(usb.entries.size(), 1u);
    EXPECT_EQ(usb.entries[0].outcome, JournalOutcome::NoResponse);

    // The newest Download that went through, not the one that got no answer.
    const JournalLookup held = journal.lastCompletedDownload(QStringLiteral("/dev/ttyUSB0"));
    ASSERT_TRUE(held.entry);
    EXPECT_EQ(held.entry->id, back.id);
    ASSERT_EQ(held.entry->images.size(), 2u);
    EXPECT_EQ(held.entry->images[1].image, imageOf('1'));
    EXPECT_FALSE(journal.lastCompletedDownload(QStringLiteral("/dev/ttyS0")).entry);
}

TEST(TransferJournal, KeepsTheNewestEntriesAndNothingOlderThanTwoYears)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    {
        TransferJournal journal(path);
        ASSERT_EQ(journal.record(entry(JournalKind::Upload, QStringLiteral("old"), kNow.addYears(-2).addDays(-1))),
                  std::nullopt);
        ASSERT_EQ(journal.record(entry(JournalKind::Upload, QStringLiteral("kept"), kNow.addYears(-2).addDays(1))),
                  std::nullopt);
        // Age is read from the newest eight entries, so one stamp years ahead cannot empty it.
        for (int i = 0; i < 8; ++i) {
            ASSERT_EQ(journal.record(entry(JournalKind::AllClear, QStringLiteral("now"), kNow)), std::nullopt);
            EXPECT_EQ(journal.entries().entries.back().port, i < 7 ? "old" : "kept");
        }
    }
    TransferJournal journal(path); // and again from the file
    for (int i = 1; i <= TransferJournal::kMaxEntries; ++i) {
        JournalEntry e = entry(JournalKind::Comparison, QStringLiteral("p"), kNow.addSecs(i));
        e.images = {{2, imageOf('2'), {}, {}, false}};
        ASSERT_EQ(journal.record(e), std::nullopt);
    }
    const JournalRead read = journal.entries();
    ASSERT_EQ(read.entries.size(), size_t(TransferJournal::kMaxEntries));
    EXPECT_EQ(read.entries.back().when, kNow.addSecs(1));
    EXPECT_EQ(journal.entries({QStringLiteral("now"), 0, false}).entries.size(), 0u);
}

TEST(TransferJournal, AJournalThatCannotBeUsedSaysWhyAndLeavesTheFileAlone)
{
    QTemporaryDir dir;
    QFile notAFolder(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    TransferJournal unwritable(dir.filePath(QStringLiteral("plain/journal.sqlite")));
    const std::optional<JournalError> error =
        unwritable.record(entry(JournalKind::Download, QStringLiteral("p"), kNow));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->cause.contains(QStringLiteral("plain"))) << error->cause.toStdString();
    EXPECT_TRUE(unwritable.entries().error);

    const QString corruptPath = dir.filePath(QStringLiteral("corrupt.sqlite"));
    const QByteArray garbage = QByteArray("not a journal at all, ") + QByteArray(4096, 'x');
    QFile corrupt(corruptPath);
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(garbage);
    corrupt.close();
    TransferJournal damaged(corruptPath);
    EXPECT_TRUE(damaged.record(entry(JournalKind::Download, QStringLiteral("p"), kNow)));
    EXPECT_TRUE(damaged.lastCompletedDownload(QStringLiteral("p")).error);
    ASSERT_TRUE(corrupt.open(QIODevice::ReadOnly));
    EXPECT_EQ(corrupt.readAll(), garbage);
}

// The computer's clock stepped a day ahead for one send, then back: what was written last tells,
// and neither the trim nor the order trusts the stamps.
TEST(TransferJournal, OrdersAndTrimsByWritingNotByTheClock)
{
    QTemporaryDir dir;
    TransferJournal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    QDateTime clock = kNow;
    auto send = [&](char fill, qint64 stepSecs) {
        clock = clock.addSecs(stepSecs);
        JournalEntry e = entry(JournalKind::Download, QStringLiteral("p"), clock);
        e.images = {{1, imageOf(fill), {}, {}, false}};
        e.weekdays = {1};
        return journal.record(e);
    };
    ASSERT_EQ(send('a', 0), std::nullopt);
    ASSERT_EQ(send('b', 24 * 3600), std::nullopt); // a day ahead
    ASSERT_EQ(send('c', -24 * 3600 + 60), std::nullopt); // and back
    const JournalRead read = journal.entries({QStringLiteral("p"), 0, true});
    ASSERT_EQ(read.entries.size(), 3u);
    EXPECT_EQ(read.entries[0].images[0].image, imageOf('c'));
    EXPECT_EQ(journal.lastCompletedDownload(QStringLiteral("p")).entry->images[0].image, imageOf('c'));

    // A send stamped years ahead, and one stamped long ago, keep the history.
    ASSERT_EQ(send('d', 10LL * 365 * 24 * 3600), std::nullopt);
    ASSERT_EQ(send('e', -40LL * 365 * 24 * 3600), std::nullopt);
    ASSERT_EQ(send('f', 30LL * 365 * 24 * 3600), std::nullopt);
    EXPECT_EQ(journal.entries().entries.size(), 6u);
    EXPECT_EQ(journal.lastCompletedDownload(QStringLiteral("p")).entry->images[0].image, imageOf('f'));
}

// 43 KB a week sent was the first layout: each image whole in every entry. The file is brought
// over once, gives space back, and keeps each distinct image once.
TEST(TransferJournal, BringsAnOldFileOverAndKeepsEachImageOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    {
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, R"(
            CREATE TABLE entries (id INTEGER PRIMARY KEY AUTOINCREMENT, at_ms INTEGER NOT NULL,
                kind TEXT NOT NULL, port TEXT NOT NULL, file TEXT NOT NULL, weekdays TEXT NOT NULL,
                outcome TEXT NOT NULL, clock_offset INTEGER);
            CREATE INDEX entries_by_time ON entries (at_ms);
            CREATE TABLE images (entry_id INTEGER NOT NULL REFERENCES entries (id) ON DELETE CASCADE,
                day INTEGER NOT NULL, image BLOB NOT NULL, sha256 TEXT NOT NULL, PRIMARY KEY (entry_id, day));
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)
            INSERT INTO entries (at_ms, kind, port, file, weekdays, outcome)
                SELECT 1796000000000 + i, 'download', 'p', '', '1,2,3,4,5,6,7', 'completed' FROM n;
            WITH RECURSIVE d(day) AS (SELECT 1 UNION ALL SELECT day + 1 FROM d WHERE day < 7)
            INSERT INTO images SELECT id, day, zeroblob(5760), '' FROM entries, d;
            UPDATE images SET image = CAST(randomblob(8) || zeroblob(5752) AS BLOB) WHERE entry_id = 300 AND day = 2;
        )",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    const qint64 before = QFileInfo(path).size();
    {
        TransferJournal journal(path);
        const JournalRead read = journal.entries({QStringLiteral("p"), 2, true});
        ASSERT_EQ(read.error, std::nullopt);
        ASSERT_EQ(read.entries.size(), 2u);
        ASSERT_EQ(read.entries[0].images.size(), 7u);
        EXPECT_EQ(read.entries[0].images[0].image, QByteArray(5760, '\0'));
        EXPECT_EQ(read.entries[0].images[1].image.size(), 5760);
        EXPECT_NE(read.entries[0].images[1].image, read.entries[1].images[1].image);
        EXPECT_EQ(read.entries[0].images[1].sha256,
                  QCryptographicHash::hash(read.entries[0].images[1].image, QCryptographicHash::Sha256).toHex());
    }
    const qint64 after = QFileInfo(path).size();
    EXPECT_LT(after * 20, before) << before << " -> " << after;

    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    sqlite3_stmt *row = nullptr;
    sqlite3_prepare_v2(db, "SELECT (SELECT count(*) FROM image_data), (SELECT auto_vacuum FROM pragma_auto_vacuum)", -1,
                       &row, nullptr);
    ASSERT_EQ(sqlite3_step(row), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(row, 0), 2); // the blank image and the one that differs
    EXPECT_EQ(sqlite3_column_int(row, 1), 2); // incremental
    sqlite3_finalize(row);
    sqlite3_close(db);
}
