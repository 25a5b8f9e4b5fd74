#include "DialogTestUtil.h"
#include "support/PtyDevice.h"
#include "support/TestTimings.h"

#include "device/DayImage.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/CUploadDlg.h"
#include "journal/TransferJournal.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
ScheduleEntry entry(int hour, int minute, const char *kind, const char *number, const char *ac, const char *ch)
{
    ScheduleEntry e;
    e.Time = storedTime(hour, minute);
    e.MelodyVoice = kind;
    e.Selection = number;
    e.AC = ac;
    e.CH1 = std::string(1, ch[0]);
    e.CH2 = std::string(1, ch[1]);
    e.CH3 = std::string(1, ch[2]);
    e.CH4 = std::string(1, ch[3]);
    return e;
}

// Points the dialogs' journal somewhere else for the length of a test.
class JournalAt {
public:
    explicit JournalAt(const QString &path)
        : m_before(qgetenv("TAVRIN_JOURNAL"))
    {
        qputenv("TAVRIN_JOURNAL", path.toLocal8Bit());
    }
    ~JournalAt() { qputenv("TAVRIN_JOURNAL", m_before); }

private:
    QByteArray m_before;
};
} // namespace

// The dialogs over a real port: a pseudo-terminal with the device emulator on its far end,
// real timers, the operator's clicks.
TEST(TransferEndToEnd, DownloadOneWeekdayThenUploadItBackEqual)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    QTemporaryDir journalDir;
    const QString journalFile = journalDir.filePath(QStringLiteral("journal.sqlite"));
    JournalAt journal(journalFile);

    WeeklySchedule week;
    week.day(3).append(entry(6, 0, "Melody", "4", "ON", "1100"));
    week.day(3).append(entry(12, 30, "Voice", "15", "", "0001"));
    week.day(3).append(entry(23, 59, " ", "0", "OFF", "0000"));
    {
        CDownloadDlg dlg(nullptr, week, device.slaveName(), testTimings());
        dlg.open();
        ASSERT_TRUE(dlg.isPortOpen());
        QTest::mouseClick(dlg.box(3), Qt::LeftButton);
        dlg.actionButton()->click();
        QMessageBox *done = waitForMessage(&dlg, QStringLiteral("Downloading complete"), 15000);
        ASSERT_NE(done, nullptr);
        EXPECT_EQ(done->windowTitle(), "Tavrin");
        EXPECT_EQ(done->icon(), QMessageBox::Information);
        EXPECT_EQ(dlg.progressBar()->value(), 55);
        pressOk(done);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_EQ(device.emulator.stats().imagesStored, 1);
    DayImage sent;
    sent.Encode(week.day(3));
    EXPECT_EQ(device.emulator.image('D').bytes(), sent.bytes());

    WeeklySchedule back;
    back.day(3).append(entry(1, 1, "Melody", "1", "", "0000"));
    {
        CUploadDlg dlg(nullptr, back, device.slaveName(), testTimings());
        dlg.open();
        ASSERT_TRUE(dlg.isPortOpen());
        QTest::mouseClick(dlg.box(3), Qt::LeftButton);
        dlg.actionButton()->click();
        QMessageBox *done = waitForMessage(&dlg, QStringLiteral("Uploading complete"), 15000);
        ASSERT_NE(done, nullptr);
        pressOk(done);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(back.day(3).sameEntries(week.day(3)));
    EXPECT_EQ(back.shownDay(), 3);

    // Both are in the journal, newest first, with the image that went out and came back.
    const JournalRead read = TransferJournal(journalFile).entries({std::nullopt, 0, true});
    ASSERT_FALSE(read.error.has_value());
    ASSERT_EQ(read.entries.size(), 2u);
    const JournalEntry &upload = read.entries[0], &download = read.entries[1];
    EXPECT_EQ(upload.kind, JournalKind::Upload);
    EXPECT_EQ(download.kind, JournalKind::Download);
    EXPECT_EQ(download.port, device.slaveName());
    EXPECT_EQ(download.outcome, JournalOutcome::Completed);
    EXPECT_EQ(download.weekdays, std::vector<int>{3});
    ASSERT_EQ(download.images.size(), 1u);
    EXPECT_EQ(download.images[0].image,
              QByteArray(reinterpret_cast<const char *>(sent.bytes().data()), qsizetype(DayImage::kSize)));
    ASSERT_EQ(upload.images.size(), 1u);
    EXPECT_EQ(upload.images[0].sha256, download.images[0].sha256);

    // A journal that cannot be written: one warning, and the send completes.
    JournalAt blocked(journalDir.path());
    CDownloadDlg dlg(nullptr, week, device.slaveName(), testTimings());
    QSignalSpy warnings(&dlg, &TransferDialog::journalWarning);
    dlg.open();
    QTest::mouseClick(dlg.box(3), Qt::LeftButton);
    dlg.actionButton()->click();
    QMessageBox *done = waitForMessage(&dlg, QStringLiteral("Downloading complete"), 15000);
    ASSERT_NE(done, nullptr);
    pressOk(done);
    EXPECT_EQ(device.emulator.stats().imagesStored, 2);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0][0].toString().startsWith(QStringLiteral("The transfer journal could not be written")));
}

TEST(TransferEndToEnd, PullingTheCableEndsTheExchangeLikeSilence)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    device.emulator.faults().silent = true;
    WeeklySchedule week;
    CUploadDlg dlg(nullptr, week, device.slaveName(), testTimings());
    dlg.open();
    QTest::mouseClick(dlg.box(8), Qt::LeftButton);
    dlg.actionButton()->click();
    QTest::qWait(200);
    QElapsedTimer clock;
    clock.start();
    device.unplug();
    QMessageBox *end = waitForMessage(&dlg, QStringLiteral("Communication error"), 15000);
    ASSERT_NE(end, nullptr);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(openMessageCount(&dlg), 1);
    pressOk(end);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
