#include "DialogTestUtil.h"
#include "support/PtyDevice.h"

#include "device/DayImage.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/CUploadDlg.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>

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
} // namespace

// The dialogs over a real port: a pseudo-terminal with the device emulator on its far end,
// real timers, the operator's clicks.
TEST(TransferEndToEnd, DownloadOneWeekdayThenUploadItBackEqual)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());

    WeeklySchedule week;
    week.day(3).append(entry(6, 0, "Melody", "4", "ON", "1100"));
    week.day(3).append(entry(12, 30, "Voice", "15", "", "0001"));
    week.day(3).append(entry(23, 59, " ", "0", "OFF", "0000"));
    {
        CDownloadDlg dlg(nullptr, week, device.slaveName());
        dlg.open();
        ASSERT_TRUE(dlg.isPortOpen());
        QTest::mouseClick(dlg.box(3), Qt::LeftButton);
        dlg.actionButton()->click();
        QMessageBox *done = waitForMessage(&dlg, "Downloading complete", 15000);
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
        CUploadDlg dlg(nullptr, back, device.slaveName());
        dlg.open();
        ASSERT_TRUE(dlg.isPortOpen());
        QTest::mouseClick(dlg.box(3), Qt::LeftButton);
        dlg.actionButton()->click();
        QMessageBox *done = waitForMessage(&dlg, "Uploading complete", 15000);
        ASSERT_NE(done, nullptr);
        pressOk(done);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(back.day(3).sameEntries(week.day(3)));
    EXPECT_EQ(back.shownDay(), 3);
}

TEST(TransferEndToEnd, PullingTheCableEndsTheExchangeLikeSilence)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    device.emulator.faults().silent = true;
    WeeklySchedule week;
    CUploadDlg dlg(nullptr, week, device.slaveName());
    dlg.open();
    QTest::mouseClick(dlg.box(8), Qt::LeftButton);
    dlg.actionButton()->click();
    QTest::qWait(200);
    QElapsedTimer clock;
    clock.start();
    device.unplug();
    QMessageBox *end = waitForMessage(&dlg, "Communication error", 15000);
    ASSERT_NE(end, nullptr);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(openMessageCount(&dlg), 1);
    pressOk(end);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
