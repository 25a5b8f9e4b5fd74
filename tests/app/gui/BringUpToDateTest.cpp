// Bring Device Up to Date against the emulator on a pseudo-terminal: the week ahead goes out,
// an exam day's Wednesday in place of the regular one, and the status bar follows the journal.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/CTavrinApp.h"
#include "app/Settings.h"
#include "device/DayImage.h"
#include "device/gui/TransferDialog.h"
#include "device/TransferRecorder.h"
#include "journal/TransferJournal.h"
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
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

TEST(EndToEnd, BringDeviceUpToDateSendsTheWeekAheadAndTheStatusBarFollows)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    QTemporaryDir dir;
    const QByteArray journalBefore = qgetenv("TAVRIN_JOURNAL");
    qputenv("TAVRIN_JOURNAL", dir.filePath(QStringLiteral("journal.sqlite")).toLocal8Bit());
    auto messages = std::make_unique<RecordingMessages>();
    RecordingMessages *told = messages.get();
    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini"))), std::move(messages),
                   std::make_unique<QueuedFileChooser>());
    ASSERT_TRUE(app.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--port"), device.slaveName()}));
    CMainFrame *frame = app.mainFrame();
    frame->setProtocolTimings(testTimings());
    CTavrinView *view = frame->view();
    const WeeklySchedule &week = view->schedule();
    frame->setToday([] { return QDate(2026, 12, 15); }); // a Tuesday

    // An exam day on Wednesday the 16th, with a bell of its own.
    ProgramCalendar special = week.programCalendar();
    const int exam = week.nextProgramDay();
    special.programs.push_back({exam, QStringLiteral("Exam day")});
    special.calendar.push_back({QDate(2026, 12, 16), QDate(2026, 12, 16), exam, QString()});
    ASSERT_TRUE(changeProgramsAndCalendar(view->document(), QStringLiteral("New Program"),
                                          {{exam, {makeEntry(9, 15, "Voice", 2)}}}, special));
    // Nothing sent yet: the journal cannot tell what the device holds.
    EXPECT_TRUE(frame->deviceStatusText().startsWith(
        QStringLiteral("Device may not be up to date for tomorrow (Wednesday: Exam day)")))
        << frame->deviceStatusText().toStdString();

    QList<bool> boxes; // the dialog's boxes 1..8 as it opened
    QStringList dayTexts; // and the texts of 1..7
    std::vector<int> tick; // the weekdays the hand ticks before the action button
    QStringList boxTexts;
    QPointer<TransferDialog> driven;
    QTimer hand;
    QObject::connect(&hand, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                boxTexts << box->text();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                return;
            }
        }
        auto *transfer = qobject_cast<TransferDialog *>(QApplication::activeModalWidget());
        if (transfer && transfer != driven) {
            driven = transfer;
            boxes.clear();
            dayTexts.clear();
            for (int b = 1; b <= 8; ++b) {
                boxes << transfer->box(b)->isChecked();
                dayTexts << transfer->box(b)->text();
            }
            for (int b : tick)
                QTest::mouseClick(transfer->box(b), Qt::LeftButton);
            QTest::mouseClick(transfer->actionButton(), Qt::LeftButton);
        }
    });
    auto run = [&](int command, std::vector<int> days = {}) {
        tick = std::move(days);
        hand.start(20);
        frame->commandAction(command)->trigger();
        hand.stop();
    };
    auto bring = [&] { run(Cmd::BringDeviceUpToDate); };

    bring();
    EXPECT_EQ(boxes, QList<bool>(8, true)); // Weekly ticks the seven
    EXPECT_EQ(dayTexts[2], "Wednesday: Exam day");
    EXPECT_TRUE(boxTexts.contains(QStringLiteral("Downloading complete")))
        << boxTexts.join(QStringLiteral(" | ")).toStdString();
    DayImage image;
    image.Encode(week.day(exam));
    EXPECT_EQ(device.emulator.image(dayCodeForDay(kWednesday)).bytes(), image.bytes());
    image.Encode(week.day(kMonday));
    EXPECT_EQ(device.emulator.image(dayCodeForDay(kMonday)).bytes(), image.bytes());
    EXPECT_EQ(frame->deviceStatusText(), QString());

    // An Upload of Wednesday: the device holds the exam there, which the operator keeps out of
    // the regular Wednesday.
    setUpWeek(view->document(), [](WeeklySchedule &w) { w.day(kWednesday).append(makeEntry(7, 45, "Melody", 4)); });
    told->chosen = {2};
    run(Cmd::Upload, {kWednesday});
    ASSERT_FALSE(told->choicesOffered.isEmpty());
    EXPECT_EQ(
        told->choicesOffered.back(),
        QStringList({QStringLiteral("Into Exam day"), QStringLiteral("Into Wednesday"), QStringLiteral("Not Taken")}));
    EXPECT_TRUE(told->asked.back().contains(QStringLiteral("Exam day"))) << told->asked.back().toStdString();
    ASSERT_EQ(week.day(kWednesday).count(), 1);
    EXPECT_EQ(week.day(kWednesday).entries()[0].Time, makeEntry(7, 45, "Melody", 4).Time);

    // A Download of Wednesday says the date plays the exam; the planned day goes instead.
    told->chosen = {0};
    run(Cmd::Download, {kWednesday});
    EXPECT_TRUE(told->asked.back().contains(QStringLiteral("Exam day"))) << told->asked.back().toStdString();
    image.Encode(week.day(exam));
    EXPECT_EQ(device.emulator.image(dayCodeForDay(kWednesday)).bytes(), image.bytes());
    const JournalRead journal = TransferJournal(dir.filePath(QStringLiteral("journal.sqlite"))).entries({});
    ASSERT_FALSE(journal.entries.empty());
    ASSERT_EQ(journal.entries[0].images.size(), 1u);
    EXPECT_EQ(journal.entries[0].images[0].schedule, "Exam day");
    frame->commandAction(Cmd::Monday)->trigger(); // the Upload showed Wednesday

    // The exam is called off: tomorrow's Wednesday is the regular one again.
    special.calendar.clear();
    ASSERT_TRUE(changeProgramsAndCalendar(view->document(), QStringLiteral("Delete Calendar Entry"), {}, special));
    EXPECT_EQ(frame->deviceStatusText(), "Device not up to date for tomorrow (Wednesday)");
    bring();
    EXPECT_EQ(boxes, QList<bool>({false, false, true, false, false, false, false, false}));
    image.Encode(week.day(kWednesday));
    EXPECT_EQ(device.emulator.image(dayCodeForDay(kWednesday)).bytes(), image.bytes());
    EXPECT_EQ(frame->deviceStatusText(), QString());

    // Nothing left to send: the operator is told so, and no dialog opens.
    driven = nullptr;
    bring();
    EXPECT_EQ(driven, nullptr);
    EXPECT_TRUE(told->shown.join(QStringLiteral(" ")).contains(QStringLiteral("nothing to send")))
        << told->shown.join(QStringLiteral(" | ")).toStdString();

    qputenv("TAVRIN_JOURNAL", journalBefore);
}

// ./run.sh starts the program with --port: the status bar speaks of that port from the start,
// not of the one chosen in the settings.
TEST(DeviceStatus, StartUpWithPortReadsThatPortsJournal)
{
    QTemporaryDir dir;
    const QString journalPath = dir.filePath(QStringLiteral("journal.sqlite"));
    const QByteArray journalBefore = qgetenv("TAVRIN_JOURNAL");
    qputenv("TAVRIN_JOURNAL", journalPath.toLocal8Bit());
    const QString port = QStringLiteral("/dev/pts/77");
    TransferRecord sent; // the template's empty week, all seven days, to that port only
    sent.port = port;
    sent.weekdays = {1, 2, 3, 4, 5, 6, 7};
    sent.images = journalImages(WeeklySchedule(), sent.weekdays);
    ASSERT_EQ(recordTransfer(journalPath, sent), std::nullopt);

    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini"))),
                   std::make_unique<RecordingMessages>(), std::make_unique<QueuedFileChooser>());
    ASSERT_TRUE(app.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--port"), port}));
    EXPECT_EQ(app.mainFrame()->deviceStatusText(), QString());

    // An unattended clock setting that found the device silent: the status bar says so.
    TransferRecord failed;
    failed.kind = JournalKind::ClockSet;
    failed.port = port;
    failed.end = TransferEnd::NoResponse;
    ASSERT_EQ(recordTransfer(journalPath, failed), std::nullopt);
    app.mainFrame()->setPortOverride(port);
    EXPECT_TRUE(app.mainFrame()->deviceStatusText().startsWith("The last exchange with the device failed ("))
        << app.mainFrame()->deviceStatusText().toStdString();
    qputenv("TAVRIN_JOURNAL", journalBefore);
}
