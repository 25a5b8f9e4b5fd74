// Compare with Device against the emulator on a pseudo-terminal, the operator's hand at F6.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/CTavrinApp.h"
#include "app/Settings.h"
#include "device/DayImage.h"
#include "device/gui/CCompareDlg.h"
#include "device/gui/TransferDialog.h"
#include "device/TransferRecorder.h"
#include "document/CTavrinDoc.h"
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
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

bool hasRowAt(const QList<QStringList> &rows, const QString &time)
{
    for (const QStringList &row : rows)
        if (row.contains(time))
            return true;
    return false;
}

} // namespace

TEST(EndToEnd, CompareShowsTheWeekdayChangedOnTheDeviceAndTakesItAsOneStep)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    QTemporaryDir dir;
    auto chooser = std::make_unique<QueuedFileChooser>();
    QueuedFileChooser *files = chooser.get();
    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini"))),
                   std::make_unique<RecordingMessages>(), std::move(chooser));
    ASSERT_TRUE(app.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--port"), device.slaveName()}));
    CMainFrame *frame = app.mainFrame();
    frame->setProtocolTimings(testTimings());
    CTavrinView *view = frame->view();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    setUpWeek(*frame->document(), [](WeeklySchedule &week) {
        SoundNames names;
        names.setName(SoundKind::Voice, 4, QStringLiteral("Fire drill"));
        week.setSoundNames(names);
    });
    // The device holds the week as sent, then someone adds a bell on Wednesday behind our back.
    DayImage image;
    for (int d = kMonday; d <= kSunday; ++d) {
        image.Encode(view->schedule().day(d));
        device.emulator.setImage(dayCodeForDay(d), image);
    }
    DaySchedule wednesday = view->schedule().day(kWednesday);
    const int wednesdayBefore = wednesday.count();
    wednesday.append(makeEntry(6, 43, "Voice", 4, "ON", "0101"));
    image.Encode(wednesday);
    device.emulator.setImage(dayCodeForDay(kWednesday), image);

    QStringList dayTexts, minuteTexts, boxTexts;
    bool take = true;
    QList<bool> sendBoxes; // the Download dialog's boxes as it opened
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
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *transfer = qobject_cast<TransferDialog *>(modal); transfer && transfer != driven) {
            driven = transfer;
            if (transfer->windowTitle() == QStringLiteral("Download")) {
                for (int b = 1; b <= 9; ++b)
                    sendBoxes << transfer->box(b)->isChecked();
            } else {
                QTest::mouseClick(transfer->box(8), Qt::LeftButton); // Weekly
            }
            QTest::mouseClick(transfer->actionButton(), Qt::LeftButton);
        } else if (auto *comparison = qobject_cast<CCompareDlg *>(modal); comparison && comparison->isVisible()) {
            for (int r = 0; r < comparison->weekdayList()->count(); ++r)
                dayTexts << comparison->weekdayList()->item(r)->text();
            const QTableWidget *minutes = comparison->minuteTable();
            for (int r = 0; r < minutes->rowCount(); ++r)
                for (int c = 0; c < minutes->columnCount(); ++c)
                    minuteTexts << minutes->item(r, c)->text();
            QTest::mouseClick(take ? comparison->takeButton() : comparison->sendButton(), Qt::LeftButton);
        }
    });
    hand.start(20);
    QTest::keyClick(frame, Qt::Key_F6);
    hand.stop();

    EXPECT_TRUE(boxTexts.contains(QStringLiteral("Uploading complete")))
        << boxTexts.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(dayTexts,
              QStringList({QStringLiteral("Monday: same"), QStringLiteral("Tuesday: same"),
                           QStringLiteral("Wednesday: differs in 1 minute"), QStringLiteral("Thursday: same"),
                           QStringLiteral("Friday: same"), QStringLiteral("Saturday: same"),
                           QStringLiteral("Sunday: same")}));
    EXPECT_EQ(minuteTexts,
              QStringList({QStringLiteral("06:43"), QStringLiteral("(none)"),
                           QStringLiteral("AM 06:43 Voice 4 ON 0 1 0 1 \"Fire drill\"")}));

    // The taken weekday is shown, with the device's bell in the list.
    EXPECT_EQ(view->shownDay(), kWednesday);
    EXPECT_TRUE(hasRowAt(view->shownRows(), QStringLiteral("06:43")));
    EXPECT_EQ(view->schedule().day(kWednesday).count(), wednesdayBefore + 1);
    EXPECT_TRUE(frame->document()->isModified());
    EXPECT_EQ(view->undoAction()->text(), QStringLiteral("&Undo Take Device's Days"));

    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(hasRowAt(view->shownRows(), QStringLiteral("06:43")));
    EXPECT_EQ(view->schedule().day(kWednesday).count(), wednesdayBefore);
    EXPECT_FALSE(frame->document()->isModified());

    // Again, from a saved file, now sending the file's Wednesday: Download opens with Wednesday
    // alone ticked, and Device History names the file for the reading and the send.
    const QString saved = dir.filePath(QStringLiteral("week.mdb"));
    files->saveAnswers.push_back(saved);
    frame->dispatch(Cmd::FileSave);
    take = false;
    dayTexts.clear();
    hand.start(20);
    QTest::keyClick(frame, Qt::Key_F6);
    hand.stop();
    EXPECT_TRUE(dayTexts.contains(QStringLiteral("Wednesday: differs in 1 minute")));
    EXPECT_EQ(sendBoxes, QList<bool>({false, false, true, false, false, false, false, false, false}));
    EXPECT_TRUE(boxTexts.contains(QStringLiteral("Downloading complete")))
        << boxTexts.join(QStringLiteral(" | ")).toStdString();
    image.Encode(view->schedule().day(kWednesday));
    EXPECT_EQ(device.emulator.image(dayCodeForDay(kWednesday)).bytes(), image.bytes());
    const JournalRead read = TransferJournal(defaultJournalPath()).entries();
    ASSERT_GE(read.entries.size(), 2u);
    EXPECT_EQ(read.entries[0].kind, JournalKind::Download);
    EXPECT_EQ(read.entries[0].file, saved);
    EXPECT_EQ(read.entries[1].kind, JournalKind::Comparison);
    EXPECT_EQ(read.entries[1].file, saved);
}
