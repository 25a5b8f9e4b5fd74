// The whole program offscreen, its port on a pseudo-terminal with the device emulator behind it.
#include "app/CommandIds.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/CTavrinApp.h"
#include "app/Settings.h"
#include "device/DayImage.h"
#include "device/gui/TransferDialog.h"
#include "document/CTavrinDoc.h"
#include "QueuedFileChooser.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "support/MakeEntry.h"
#include "support/PtyDevice.h"
#include "support/RecordingMessages.h"
#include "support/TestTimings.h"
#include "ui/gui/CHoverBitmapButton.h"
#include "view/gui/CTavrinView.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kWeeklyBox = 8;

// Plays the operator at the device dialogs: ticks "Weekly", presses the action button, and
// closes every message box the dialog opens, noting its text.
class TransferOperator : public QObject {
public:
    TransferOperator()
    {
        connect(&m_timer, &QTimer::timeout, this, &TransferOperator::look);
        m_timer.start(20);
    }

    QStringList boxTexts;
    int dialogsDriven = 0;

private:
    void look()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                boxTexts << box->text();
                if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                    ok->click();
                else
                    box->accept();
                return;
            }
        }
        auto *dialog = qobject_cast<TransferDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_driven || !dialog->isVisible())
            return;
        m_driven = dialog;
        ++dialogsDriven;
        dialog->box(kWeeklyBox)->click();
        dialog->actionButton()->click();
    }

    QTimer m_timer;
    QPointer<TransferDialog> m_driven; // cleared when the dialog goes, so the next one is driven too
};

void clickCell(CTavrinView *view, int row, int column, bool twice)
{
    const QRect cell = view->visualRect(view->model()->index(row, column));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

void typeTime(CTavrinView *view, int row, const QString &time)
{
    clickCell(view, row, 2, true);
    auto *editor = qobject_cast<QLineEdit *>(view->cellEditor());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, time);
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_EQ(view->cellEditor(), nullptr);
}

} // namespace

TEST(EndToEnd, MondaySentWithF4ComesBackWithF5)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    QTemporaryDir dir;
    auto owned = std::make_unique<RecordingMessages>();
    RecordingMessages *messages = owned.get();
    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini"))), std::move(owned),
                   std::make_unique<QueuedFileChooser>());
    ASSERT_TRUE(app.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--port"), device.slaveName()}));
    CMainFrame *frame = app.mainFrame();
    frame->setProtocolTimings(testTimings());
    CTavrinView *view = frame->view();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    ASSERT_EQ(frame->portName(), device.slaveName());
    ASSERT_EQ(view->shownDay(), 1);

    // Monday: two events typed into the list
    const int before = view->shownRowCount();
    QTest::keyClick(frame, Qt::Key_Insert);
    QTest::keyClick(frame, Qt::Key_Insert);
    ASSERT_EQ(view->shownRowCount(), before + 2);
    for (int row = 0; row < 2; ++row) {
        clickCell(view, row, 3, true); // Melody
        clickCell(view, row, 6, true); // CH1 on
    }
    typeTime(view, 0, QStringLiteral("20:05"));
    typeTime(view, 1, QStringLiteral("07:30"));
    clickCell(view, 1, 5, true); // AC on for the morning one
    view->NormalizeDay(); // in time order, as the device keeps it
    const QList<QStringList> monday = view->shownRows();
    ASSERT_EQ(monday.size(), before + 2);
    EXPECT_TRUE(frame->document()->isModified());

    TransferOperator operatorAtDialogs;

    // F4: Weekly, Send, "Downloading complete"
    QTest::keyClick(frame, Qt::Key_F4);
    EXPECT_EQ(operatorAtDialogs.dialogsDriven, 1);
    EXPECT_TRUE(operatorAtDialogs.boxTexts.contains(QStringLiteral("Downloading complete")))
        << operatorAtDialogs.boxTexts.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(messages->shown.isEmpty()) << messages->shown.join(QStringLiteral(" | ")).toStdString();

    // Forget Monday here (New, discarding the changes) so that only the device has it.
    messages->answers = {Messages::Answer::Discard};
    frame->dispatch(Cmd::FileNew);
    ASSERT_EQ(messages->asked.size(), 1);
    ASSERT_NE(view->shownRows(), monday);

    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    // F5: Weekly, Receive; the last weekday received (Sunday) is shown, Monday is back.
    QTest::keyClick(frame, Qt::Key_F5);
    EXPECT_EQ(operatorAtDialogs.dialogsDriven, 2);
    EXPECT_TRUE(operatorAtDialogs.boxTexts.contains(QStringLiteral("Uploading complete")))
        << operatorAtDialogs.boxTexts.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(view->shownDay(), 7);
    EXPECT_TRUE(frame->commandAction(Cmd::Sunday)->isChecked());
    EXPECT_TRUE(frame->document()->isModified());

    frame->commandAction(Cmd::Monday)->trigger();
    EXPECT_EQ(view->shownRows(), monday);

    frame->document()->setClean();
}

TEST(EndToEnd, CancelledUploadKeepsEachWeekdaysRows)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    DaySchedule wednesday, thursday;
    wednesday.append(makeEntry(6, 45, "Voice", 4, "ON", "0101"));
    thursday.append(makeEntry(12, 0, "Melody", 9));
    DayImage image;
    image.Encode(wednesday);
    device.emulator.setImage(dayCodeForDay(kWednesday), image);
    image.Encode(thursday);
    device.emulator.setImage(dayCodeForDay(kThursday), image);

    QTemporaryDir dir;
    auto files = std::make_unique<QueuedFileChooser>();
    QueuedFileChooser *chooser = files.get();
    CTavrinApp app(std::make_unique<Settings>(dir.filePath(QStringLiteral("settings.ini"))),
                   std::make_unique<RecordingMessages>(), std::move(files));
    ASSERT_TRUE(app.InitInstance({QStringLiteral("tavrin"), QStringLiteral("--port"), device.slaveName()}));
    CMainFrame *frame = app.mainFrame();
    frame->setProtocolTimings(testTimings());
    CTavrinView *view = frame->view();
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    ASSERT_EQ(view->shownDay(), kMonday);
    QTest::keyClick(frame, Qt::Key_Insert);
    const QList<QStringList> monday = view->shownRows();
    const int thursdayBefore = view->schedule().day(kThursday).count();

    // Wednesday and Thursday asked for; Cancel once Wednesday has come back and Thursday is asked.
    QTimer operatorHand;
    QPointer<TransferDialog> driven;
    QObject::connect(&operatorHand, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<TransferDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (driven != dialog) {
            driven = dialog;
            dialog->box(kWednesday)->click();
            dialog->box(kThursday)->click();
            dialog->actionButton()->click();
        } else if (device.emulator.stats().imageRequests >= 2) {
            dialog->cancelButton()->click();
        }
    });
    operatorHand.start(10);
    QTest::keyClick(frame, Qt::Key_F5);
    operatorHand.stop();

    EXPECT_EQ(view->shownDay(), kWednesday);
    EXPECT_TRUE(frame->commandAction(Cmd::Wednesday)->isChecked());
    EXPECT_TRUE(frame->document()->isModified());

    const QString path = dir.filePath(QStringLiteral("week.mdb"));
    chooser->saveAnswers = {path};
    frame->dispatch(Cmd::FileSave);
    WeeklySchedule saved;
    ScheduleFiles reader(saved);
    ASSERT_TRUE(reader.Open(path));
    EXPECT_TRUE(saved.day(kWednesday).sameEntries(wednesday));
    EXPECT_EQ(saved.day(kThursday).count(), thursdayBefore);
    EXPECT_EQ(saved.day(kMonday).count(), int(monday.size()));
    frame->commandAction(Cmd::Monday)->trigger();
    EXPECT_EQ(view->shownRows(), monday);
    frame->document()->setClean();
}
