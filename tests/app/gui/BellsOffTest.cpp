// Bells Off against the emulator on a pseudo-terminal: today's weekday alone goes blank at once,
// Bells Back On puts the regular image back, and undoing the entry then bringing the device up
// to date does the same.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/CTavrinApp.h"
#include "app/Settings.h"
#include "device/DayImage.h"
#include "device/gui/TransferDialog.h"
#include "device/TransferRecorder.h"
#include "journal/TransferJournal.h"
#include "plan/SyncTimer.h"
#include "QueuedFileChooser.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "support/MakeEntry.h"
#include "support/PtyDevice.h"
#include "support/RecordingMessages.h"
#include "support/TestTimings.h"
#include "support/WeekSetUp.h"
#include "ui/gui/CHoverBitmapButton.h"
#include "view/gui/CTavrinView.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

TEST(EndToEnd, BellsOffTodaySendsTodayBlankAndBellsBackOnOrUndoBringsItBack)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    QTemporaryDir dir;
    const QString journalPath = dir.filePath(QStringLiteral("journal.sqlite"));
    const QByteArray journalBefore = qgetenv("TAVRIN_JOURNAL");
    qputenv("TAVRIN_JOURNAL", journalPath.toLocal8Bit());
    auto messages = std::make_unique<RecordingMessages>();
    RecordingMessages *told = messages.get();
    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini"))), std::move(messages),
                   std::make_unique<QueuedFileChooser>());
    ASSERT_TRUE(app.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--port"), device.slaveName()}));
    CMainFrame *frame = app.mainFrame();
    frame->setProtocolTimings(testTimings());
    frame->setToday([] { return QDate(2026, 12, 15); }); // a Tuesday
    int enabled = 0;
    frame->setSyncTimer({[] { return std::optional<bool>(false); }, [&] { return ++enabled > 0; }});
    CTavrinView *view = frame->view();
    const WeeklySchedule &week = view->schedule();
    setUpWeek(view->document(), [](WeeklySchedule &w) {
        for (int d = 1; d <= 7; ++d)
            w.day(d).append(makeEntry(8, d, "Melody", d));
    });
    // The device holds the regular week, as the journal tells.
    for (int d = 1; d <= 7; ++d) {
        DayImage image;
        image.Encode(week.day(d));
        device.emulator.setImage(dayCodeForDay(d), image);
    }
    TransferRecord before;
    before.port = device.slaveName();
    before.weekdays = {1, 2, 3, 4, 5, 6, 7};
    before.images = journalImages(week, before.weekdays);
    ASSERT_EQ(recordTransfer(journalPath, before), std::nullopt);

    std::vector<int> ticked; // the weekdays ticked in the last transfer dialog
    bool pressSend = false; // the hand presses the action button (Bring Device Up to Date)
    QPointer<TransferDialog> driven;
    QTimer hand;
    QObject::connect(&hand, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                return;
            }
        }
        // Bells Off Until: two days on from today, by the keyboard, then OK.
        if (auto *picker = QApplication::activeModalWidget()
                ? QApplication::activeModalWidget()->findChild<QCalendarWidget *>()
                : nullptr) {
            picker->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            QTest::mouseClick(picker->window()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
            return;
        }
        auto *transfer = qobject_cast<TransferDialog *>(QApplication::activeModalWidget());
        if (transfer && transfer != driven) {
            driven = transfer;
            ticked.clear();
            for (int b = 1; b <= 7; ++b) {
                if (transfer->box(b)->isChecked())
                    ticked.push_back(b);
            }
            if (pressSend)
                QTest::mouseClick(transfer->actionButton(), Qt::LeftButton);
        }
    });
    auto run = [&](int command) {
        hand.start(20);
        frame->commandAction(command)->trigger();
        hand.stop();
    };
    auto tuesdayHolds = [&](const DaySchedule &day) {
        DayImage image;
        image.Encode(day);
        return device.emulator.image(dayCodeForDay(kTuesday)).bytes() == image.bytes();
    };
    auto newestSend = [&] {
        const JournalRead read = TransferJournal(journalPath).entries({});
        return read.entries.empty() ? JournalEntry() : read.entries[0];
    };

    // Today goes blank, and only today's weekday is sent; the timer not enabled is told.
    told->answers = {Messages::Answer::Ok};
    run(Cmd::BellsOffToday);
    EXPECT_EQ(newestSend().weekdays, std::vector<int>{kTuesday});
    EXPECT_TRUE(tuesdayHolds(DaySchedule()));
    ASSERT_EQ(newestSend().images.size(), 1u);
    EXPECT_EQ(newestSend().images[0].schedule, "No bells");
    EXPECT_EQ(view->document().undoText(), "Bells Off");
    EXPECT_TRUE(frame->bellsStatusText().startsWith(QStringLiteral("Bells off until")))
        << frame->bellsStatusText().toStdString();
    ASSERT_FALSE(told->asked.isEmpty());
    EXPECT_TRUE(told->asked.back().contains(QStringLiteral("not enabled")));
    EXPECT_EQ(enabled, 1);

    run(Cmd::BellsBackOn);
    EXPECT_EQ(newestSend().weekdays, std::vector<int>{kTuesday});
    EXPECT_TRUE(tuesdayHolds(week.day(kTuesday)));
    EXPECT_EQ(newestSend().images[0].schedule, "Tuesday");
    EXPECT_TRUE(week.programCalendar().calendar.empty());
    EXPECT_EQ(frame->bellsStatusText(), QString());

    // Until Thursday, undone by hand: the device stays silent on Tuesday until brought up to date.
    told->answers = {Messages::Answer::Cancel};
    run(Cmd::BellsOffUntil);
    ASSERT_EQ(week.programCalendar().calendar.size(), 1u);
    EXPECT_EQ(week.programCalendar().calendar[0].last, QDate(2026, 12, 17));
    EXPECT_TRUE(tuesdayHolds(DaySchedule()));
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(week.programCalendar().calendar.empty());
    EXPECT_EQ(frame->bellsStatusText(), "Tuesday is still silent on the device");
    pressSend = true;
    run(Cmd::BringDeviceUpToDate);
    EXPECT_EQ(ticked, std::vector<int>{kTuesday});
    EXPECT_TRUE(tuesdayHolds(week.day(kTuesday)));
    EXPECT_EQ(frame->bellsStatusText(), QString());

    qputenv("TAVRIN_JOURNAL", journalBefore);
}
