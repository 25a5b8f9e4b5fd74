#include "journal/TransferJournal.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    TransferJournal journal(dir.filePath("data/journal.sqlite")); // the folder is made too

    JournalEntry sent = entry(JournalKind::Download, "/dev/ttyUSB0", kNow.addSecs(-60));
    sent.file = "/home/op/school.db";
    sent.weekdays = {1, 3};
    sent.images = {{1, imageOf('0'), {}}, {3, imageOf('1'), {}}};
    ASSERT_EQ(journal.record(sent), std::nullopt);
    ASSERT_EQ(journal.record(entry(JournalKind::Download, "/dev/ttyUSB0", kNow, JournalOutcome::NoResponse)),
              std::nullopt);
    JournalEntry clock = entry(JournalKind::ClockSet, "/dev/ttyS0", kNow.addSecs(30));
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

    const JournalRead usb = journal.entries({QString("/dev/ttyUSB0"), 1, true});
    ASSERT_EQ(usb.entries.size(), 1u);
    EXPECT_EQ(usb.entries[0].outcome, JournalOutcome::NoResponse);

    // The newest Download that went through, not the one that got no answer.
    const JournalLookup held = journal.lastCompletedDownload("/dev/ttyUSB0");
    ASSERT_TRUE(held.entry);
    EXPECT_EQ(held.entry->id, back.id);
    ASSERT_EQ(held.entry->images.size(), 2u);
    EXPECT_EQ(held.entry->images[1].image, imageOf('1'));
    EXPECT_FALSE(journal.lastCompletedDownload("/dev/ttyS0").entry);
}

TEST(TransferJournal, KeepsTheNewestEntriesAndNothingOlderThanTwoYears)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("journal.sqlite");
    {
        TransferJournal journal(path);
        ASSERT_EQ(journal.record(entry(JournalKind::Upload, "old", kNow.addYears(-2).addDays(-1))), std::nullopt);
        ASSERT_EQ(journal.record(entry(JournalKind::Upload, "kept", kNow.addYears(-2).addDays(1))), std::nullopt);
        ASSERT_EQ(journal.record(entry(JournalKind::AllClear, "now", kNow)), std::nullopt);
        const JournalRead read = journal.entries();
        ASSERT_EQ(read.entries.size(), 2u);
        EXPECT_EQ(read.entries[1].port, "kept");
    }
    TransferJournal journal(path); // and again from the file
    for (int i = 1; i <= TransferJournal::kMaxEntries; ++i) {
        JournalEntry e = entry(JournalKind::Comparison, "p", kNow.addSecs(i));
        e.images = {{2, imageOf('2'), {}}};
        ASSERT_EQ(journal.record(e), std::nullopt);
    }
    const JournalRead read = journal.entries();
    ASSERT_EQ(read.entries.size(), size_t(TransferJournal::kMaxEntries));
    EXPECT_EQ(read.entries.back().when, kNow.addSecs(1));
    EXPECT_EQ(journal.entries({QString("now"), 0, false}).entries.size(), 0u);
}

TEST(TransferJournal, AJournalThatCannotBeUsedSaysWhyAndLeavesTheFileAlone)
{
    QTemporaryDir dir;
    QFile notAFolder(dir.filePath("plain"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    TransferJournal unwritable(dir.filePath("plain/journal.sqlite"));
    const std::optional<JournalError> error = unwritable.record(entry(JournalKind::Download, "p", kNow));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->cause.contains("plain")) << error->cause.toStdString();
    EXPECT_TRUE(unwritable.entries().error);

    const QString corruptPath = dir.filePath("corrupt.sqlite");
    const QByteArray garbage = QByteArray("not a journal at all, ") + QByteArray(4096, 'x');
    QFile corrupt(corruptPath);
    ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(garbage);
    corrupt.close();
    TransferJournal damaged(corruptPath);
    EXPECT_TRUE(damaged.record(entry(JournalKind::Download, "p", kNow)));
    EXPECT_TRUE(damaged.lastCompletedDownload("p").error);
    ASSERT_TRUE(corrupt.open(QIODevice::ReadOnly));
    EXPECT_EQ(corrupt.readAll(), garbage);
}
