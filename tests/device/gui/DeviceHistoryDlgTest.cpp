#include "DialogTestUtil.h"

#include "device/DayImage.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/DeviceHistoryDlg.h"
#include "journal/TransferJournal.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DeviceHistoryDlg, ListsByPortShowsTheWeekSentAndSendsItAgain)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal.sqlite"));
    DaySchedule wednesday;
    ScheduleEntry bell;
    bell.Time = storedTime(8, 15);
    bell.MelodyVoice = "Melody";
    bell.Selection = "3";
    wednesday.append(bell);
    DayImage image;
    image.Encode(wednesday);
    {
        TransferJournal journal(path);
        JournalEntry download;
        download.when = QDateTime(QDate(2026, 12, 1), QTime(8, 0));
        download.port = QStringLiteral("/dev/ttyUSB0");
        download.weekdays = {3};
        download.images = {
            {3,
             QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize)),
             {},
             {},
             false}};
        ASSERT_FALSE(journal.record(download).has_value());
        JournalEntry clock;
        clock.when = QDateTime(QDate(2026, 12, 2), QTime(8, 0));
        clock.kind = JournalKind::ClockSet;
        clock.port = QStringLiteral("/dev/ttyS1");
        ASSERT_FALSE(journal.record(clock).has_value());
    }

    SoundNames names;
    names.setName(SoundKind::Melody, 3, QStringLiteral("Westminster"));
    DeviceHistoryDlg dlg(nullptr, path, missingPort(), names);
    dlg.show();
    ASSERT_EQ(dlg.entryTable()->rowCount(), 2);
    EXPECT_EQ(dlg.entryTable()->item(0, 1)->text(), "clock-set"); // newest first
    dlg.portFilter()->setCurrentText(QStringLiteral("/dev/ttyUSB0"));
    ASSERT_EQ(dlg.entryTable()->rowCount(), 1);
    EXPECT_FALSE(dlg.sendAgainButton()->isEnabled());
    dlg.entryTable()->selectRow(0);
    ASSERT_EQ(dlg.weekTable()->rowCount(), 1);
    EXPECT_EQ(dlg.weekTable()->item(0, 0)->text(), "Wednesday");
    EXPECT_EQ(dlg.weekTable()->item(0, 1)->text(), "1");
    EXPECT_EQ(dlg.weekTable()->item(0, 2)->text().size(), 64);
    // The weekday's events, in the comparison's words, with the sound's name.
    ASSERT_EQ(dlg.eventTable()->rowCount(), 1);
    EXPECT_TRUE(dlg.eventTable()->item(0, 1)->text().endsWith(QStringLiteral("Melody 3 - 0 0 0 0 \"Westminster\"")))
        << dlg.eventTable()->item(0, 1)->text().toStdString();

    // "Send Again": the Download dialog, Wednesday ticked, holding that image.
    bool ticked = false, sameImage = false;
    QTimer::singleShot(0, [&] {
        auto *download = dlg.findChild<CDownloadDlg *>();
        ASSERT_NE(download, nullptr);
        if (QMessageBox *fail = waitForMessage(download, QStringLiteral("Serial Port Open Fail")))
            pressOk(fail);
        ticked = download->box(3)->isChecked() && !download->box(1)->isChecked();
        DayImage sent;
        sent.Encode(download->week().day(3));
        sameImage = sent.bytes() == image.bytes();
        download->cancelButton()->click();
    });
    QTest::mouseClick(dlg.sendAgainButton(), Qt::LeftButton);
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(sameImage);
    // The cancelled send is in the history at once, under the port still filtered on.
    EXPECT_EQ(dlg.portFilter()->currentText(), "/dev/ttyUSB0");
}
