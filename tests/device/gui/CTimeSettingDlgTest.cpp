#include "DialogTestUtil.h"
#include "support/PtyDevice.h"

#include "device/gui/CTimeSettingDlg.h"
#include "journal/TransferJournal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {
// Wednesday 9 December 2026, 07:05:09.
QDateTime wednesdayMorning()
{
    return QDateTime(QDate(2026, 12, 9), QTime(7, 5, 9));
}
} // namespace

TEST(CTimeSettingDlg, OpensOnTodaysWeekdayAndSaysWhenThePortFails)
{
    CTimeSettingDlg dlg(nullptr, missingPort(), [] { return QDateTime(QDate(2026, 12, 13), QTime(22, 1, 2)); });
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Time Setting");
    QStringList items;
    for (int i = 0; i < dlg.weekdayList()->count(); ++i)
        items << dlg.weekdayList()->itemText(i);
    EXPECT_EQ(items,
              (QStringList{QStringLiteral(" Sunday"), QStringLiteral(" Monday"), QStringLiteral(" Tuesday"),
                           QStringLiteral(" Wednesday"), QStringLiteral(" Thursday"), QStringLiteral(" Friday"),
                           QStringLiteral(" Saturday")}));
    EXPECT_EQ(dlg.weekdayList()->currentText(), " Sunday");
    EXPECT_EQ(dlg.timePicker()->time(), QTime(22, 1, 2));
    EXPECT_EQ(dlg.timePicker()->displayFormat(), "HH:mm:ss");
    EXPECT_EQ(dlg.receiveButton()->text(), "Receive");
    EXPECT_EQ(dlg.sendButton()->text(), "Send");
    EXPECT_TRUE(dlg.sendButton()->isDefault());
    EXPECT_EQ(dlg.cancelButton()->text(), "Cancel");
    QStringList labels;
    for (QLabel *l : dlg.findChildren<QLabel *>())
        labels << l->text();
    EXPECT_TRUE(labels.contains("Day         :"));
    EXPECT_TRUE(labels.contains("Time       :"));

    QMessageBox *fail = waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail"));
    ASSERT_NE(fail, nullptr);
    EXPECT_TRUE(fail->text().contains(missingPort()));
    pressOk(fail);
    // Neither button can reach the device through a port that did not open: each says so at
    // once, the journal takes the failed setting, and the dialog stays.
    QTemporaryDir journalDir;
    const QString journal = journalDir.filePath(QStringLiteral("journal.sqlite"));
    const QByteArray before = qgetenv("TAVRIN_JOURNAL");
    qputenv("TAVRIN_JOURNAL", journal.toLocal8Bit());
    for (QPushButton *button : {dlg.receiveButton(), dlg.sendButton()}) {
        button->click();
        EXPECT_EQ(openMessageCount(&dlg), 1);
        QMessageBox *again = waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail"), 0);
        ASSERT_NE(again, nullptr);
        EXPECT_TRUE(again->text().contains(missingPort()));
        pressOk(again);
    }
    qputenv("TAVRIN_JOURNAL", before);
    const JournalRead read = TransferJournal(journal).entries();
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].kind, JournalKind::ClockSet);
    EXPECT_EQ(read.entries[0].outcome, JournalOutcome::PortFailed);
    EXPECT_TRUE(dlg.isVisible());
    dlg.cancelButton()->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

TEST(CTimeSettingDlg, ReceiveShowsTheDeviceClockAndSendSetsIt)
{
    PtyDevice device([] { return DeviceEmulator::Millis(0); });
    ASSERT_TRUE(device.pty.isOpen());
    device.emulator.setTime(DeviceEmulator::Time{'B', 23, 59, 59});
    {
        CTimeSettingDlg dlg(nullptr, device.slaveName(), wednesdayMorning);
        dlg.show();
        ASSERT_TRUE(dlg.isPortOpen());
        EXPECT_EQ(dlg.weekdayList()->currentText(), " Wednesday");

        // A reply whose time is not six digits is said to be unreadable, the picker keeps its time.
        device.emulator.faults().cutReplyAt = 5;
        device.emulator.faults().trail = "\xFF";
        dlg.receiveButton()->click();
        QMessageBox *unreadable = waitForMessage(&dlg, QStringLiteral("The device's clock reply is unreadable"));
        ASSERT_NE(unreadable, nullptr);
        EXPECT_TRUE(unreadable->text().contains(QStringLiteral("54 21 42 32 33 ff")))
            << unreadable->text().toStdString();
        pressOk(unreadable);
        EXPECT_EQ(dlg.timePicker()->time(), QTime(7, 5, 9));
        device.emulator.faults() = {};

        dlg.receiveButton()->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.timePicker()->time() == QTime(23, 59, 59); }, 5000));
        EXPECT_EQ(dlg.weekdayList()->currentText(), " Monday");
        EXPECT_TRUE(dlg.isVisible());

        dlg.weekdayList()->setCurrentIndex(3);
        dlg.timePicker()->setTime(QTime(7, 5, 9));
        device.received.clear();
        dlg.sendButton()->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_FALSE(dlg.isVisible());
    } // the port closes here, right after "Send"
    EXPECT_TRUE(QTest::qWaitFor([&] { return device.received.size() >= 10; }, 5000));
    EXPECT_EQ(device.received, QByteArray("\x54\x24\x44\x30\x37\x30\x35\x30\x39\xFF", 10));
    EXPECT_EQ(device.emulator.time().code, 'D');
    EXPECT_EQ(device.emulator.time().hour, 7);
    EXPECT_EQ(device.emulator.time().second, 9);
}

TEST(CTimeSettingDlg, SaysTheDeviceOffsetAcrossMidnightAndNowFillsInThisComputersTime)
{
    PtyDevice device([] { return DeviceEmulator::Millis(0); });
    ASSERT_TRUE(device.pty.isOpen());
    device.emulator.setTime(DeviceEmulator::Time{'B', 23, 59, 59});
    QTemporaryDir journalDir;
    const QString journal = journalDir.filePath(QStringLiteral("journal.sqlite"));
    const QByteArray before = qgetenv("TAVRIN_JOURNAL");
    qputenv("TAVRIN_JOURNAL", journal.toLocal8Bit());
    {
        // Tuesday 00:02:12 here; the device still says Monday.
        CTimeSettingDlg dlg(nullptr, device.slaveName(), [] { return QDateTime(QDate(2026, 12, 8), QTime(0, 2, 12)); });
        dlg.show();
        ASSERT_TRUE(dlg.isPortOpen());
        dlg.weekdayList()->setCurrentIndex(5);
        dlg.timePicker()->setTime(QTime(11, 0, 0));
        EXPECT_FALSE(dlg.offsetLine()->isVisible());
        QTest::mouseClick(dlg.receiveButton(), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.offsetLine()->isVisible(); }, 5000));
        EXPECT_EQ(dlg.offsetLine()->text(), "Device: Monday 23:59:59, 2 min 13 s behind this computer");

        QTest::mouseClick(dlg.nowButton(), Qt::LeftButton);
        EXPECT_EQ(dlg.weekdayList()->currentText(), " Tuesday");
        EXPECT_EQ(dlg.timePicker()->time(), QTime(0, 2, 12));
        QTest::mouseClick(dlg.sendButton(), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
    qputenv("TAVRIN_JOURNAL", before);
    EXPECT_TRUE(QTest::qWaitFor([&] { return device.emulator.time().code == 'C'; }, 5000));
    const JournalRead read = TransferJournal(journal).entries();
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].kind, JournalKind::ClockSet);
    EXPECT_EQ(read.entries[0].weekdays, std::vector<int>{2});
    EXPECT_EQ(read.entries[0].clockOffsetSeconds, -133);
}

TEST(CTimeSettingDlg, WarnsOfTheChangeOfSummerTimeWithinTwoWeeks)
{
    const QTimeZone berlin("Europe/Berlin");
    ASSERT_TRUE(berlin.isValid());
    for (const QDate date : {QDate(2026, 10, 20), QDate(2026, 11, 20)}) {
        CTimeSettingDlg dlg(nullptr, missingPort(), [date, berlin] { return QDateTime(date, QTime(12, 0), berlin); });
        dlg.show();
        if (QMessageBox *fail = waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail")))
            pressOk(fail);
        const bool soon = date.month() == 10;
        EXPECT_EQ(dlg.summerTimeLine()->text(),
                  soon ? "Summer time ends on Sunday 25 October at 03:00: set the device's clock after that" : "");
        EXPECT_EQ(dlg.summerTimeLine()->isVisible(), soon);
    }
}
