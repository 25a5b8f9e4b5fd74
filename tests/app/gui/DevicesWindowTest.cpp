// Tavrin > Devices... offscreen against two emulators on pseudo-terminals: a device added from
// the window lands in the site file, and Bring Up to Date sends every device its week at once.
#include "app/gui/DevicesDlg.h"
#include "device/TransferOutcomeText.h"
#include "document/CTavrinDoc.h"
#include "support/MakeEntry.h"
#include "support/PtyDevice.h"
#include "support/TestTimings.h"
#include "support/WeekSetUp.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

TEST(EndToEnd, DevicesWindowAddsADeviceAndBringsEveryDeviceUpToDate)
{
    PtyDevice hall, gym;
    ASSERT_TRUE(hall.pty.isOpen() && gym.pty.isOpen());
    QTemporaryDir dir;
    const QByteArray journalBefore = qgetenv("TAVRIN_JOURNAL");
    qputenv("TAVRIN_JOURNAL", dir.filePath(QStringLiteral("journal.sqlite")).toLocal8Bit());
    const QString school = dir.filePath(QStringLiteral("school.mdb"));
    {
        CTavrinDoc doc;
        setUpWeek(doc, [](WeeklySchedule &week) {
            for (int d = 1; d <= 7; ++d)
                week.day(d).append(makeEntry(8, d, "Melody", d));
        });
        ASSERT_TRUE(doc.save(school));
    }
    const QString site = dir.filePath(QStringLiteral("site.ini"));
    ASSERT_EQ(writeSite(site, {{"Hall", hall.slaveName(), school}}), std::nullopt);

    DevicesDlg window(nullptr, site, testTimings());
    window.show();
    window.setDeviceEditor([&](SiteDevice &device) {
        device = {"Gym", gym.slaveName(), school};
        return true;
    });
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("add")), Qt::LeftButton);
    QString error;
    EXPECT_EQ(readSite(site, error).devices.size(), 2u);
    QTableWidget *table = window.table();
    ASSERT_EQ(table->rowCount(), 2);
    // In the order of their names, as the site file keeps them.
    EXPECT_EQ(table->item(0, DevicesDlg::Name)->text(), "Gym");
    EXPECT_EQ(table->item(1, DevicesDlg::Name)->text(), "Hall");
    EXPECT_EQ(table->item(0, DevicesDlg::Tomorrow)->text(), "unknown");

    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bringUpToDate")), Qt::LeftButton);
    EXPECT_TRUE(window.isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isRunning(); }, 20000));
    TransferOutcome completed;
    completed.end = TransferEnd::Completed;
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(table->item(row, DevicesDlg::Run)->text(), transferOutcomeText(completed)) << row;
        EXPECT_EQ(table->item(row, DevicesDlg::LastOutcome)->text(), "Completed") << row;
        EXPECT_EQ(table->item(row, DevicesDlg::Tomorrow)->text(), "up to date") << row;
    }
    EXPECT_EQ(hall.emulator.stats().imagesStored, 7);
    EXPECT_EQ(gym.emulator.stats().imagesStored, 7);

    // Read back first, the devices are found to hold the week ahead: nothing more goes.
    auto *checkDevice = window.findChild<QCheckBox *>(QStringLiteral("checkDevice"));
    QTest::mouseClick(checkDevice, Qt::LeftButton, {}, QPoint(4, checkDevice->height() / 2));
    ASSERT_TRUE(checkDevice->isChecked());
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("bringUpToDate")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isRunning(); }, 20000));
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(table->item(row, DevicesDlg::Run)->text(), "Nothing to send") << row;
    EXPECT_EQ(hall.emulator.stats().imagesStored, 7);
    EXPECT_EQ(hall.emulator.stats().imageRequests, 7);

    // Compare reads every device back at once: each holds its file's weekdays (the week ahead
    // has no day program here).
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("compare")), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isRunning(); }, 20000));
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(table->item(row, DevicesDlg::Run)->text(), "The same as the schedule file") << row;

    // Set Clock on every device; Open Schedule hands the selected row's file to the main window.
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("setClock")), Qt::LeftButton);
    for (int row = 0; row < 2; ++row)
        EXPECT_TRUE(table->item(row, DevicesDlg::Run)->text().startsWith("Clock set to ")) << row;
    QSignalSpy opened(&window, &DevicesDlg::openScheduleRequested);
    const QRect cell = table->visualItemRect(table->item(1, DevicesDlg::Name));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("openSchedule")), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front().front().toString(), school);
    qputenv("TAVRIN_JOURNAL", journalBefore);
}
