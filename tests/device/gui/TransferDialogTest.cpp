#include "DialogTestUtil.h"

#include "device/DeviceEmulator.h"
#include "device/gui/CDownloadDlg.h"
#include "device/gui/CUploadDlg.h"
#include "journal/TransferJournal.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList boxTexts(TransferDialog &dlg, int count)
{
    QStringList texts;
    for (int i = 1; i <= count; ++i)
        texts << dlg.box(i)->text();
    return texts;
}

QStringList groupTitles(QWidget &w)
{
    QStringList titles;
    for (QGroupBox *g : w.findChildren<QGroupBox *>())
        titles << g->title();
    return titles;
}

} // namespace

TEST(CDownloadDlg, ControlsSelectionAndAFailedPort)
{
    WeeklySchedule week;
    CDownloadDlg dlg(nullptr, week, missingPort());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Download");
    EXPECT_EQ(boxTexts(dlg, 9),
              (QStringList{QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("   Wednesday"),
                           QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday"),
                           QStringLiteral("Sunday"), QStringLiteral("Weekly"), QStringLiteral(" ALL Clear")}));
    EXPECT_EQ(dlg.box(10), nullptr);
    EXPECT_EQ(groupTitles(dlg), (QStringList{QStringLiteral("Select the Day"), QStringLiteral("Status")}));
    EXPECT_EQ(dlg.progressBar()->orientation(), Qt::Vertical);
    EXPECT_EQ(dlg.progressBar()->maximum(), 55);
    EXPECT_EQ(dlg.progressBar()->value(), 0);
    EXPECT_EQ(dlg.actionButton()->text(), "Send");
    EXPECT_TRUE(dlg.actionButton()->isDefault());
    EXPECT_EQ(dlg.cancelButton()->text(), "Cancel");

    QMessageBox *fail = waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail"));
    ASSERT_NE(fail, nullptr);
    EXPECT_TRUE(fail->text().contains(missingPort()));
    EXPECT_FALSE(dlg.isPortOpen());
    pressOk(fail);
    EXPECT_TRUE(dlg.isVisible());

    // The operator's clicks reach the selection rules.
    QTest::mouseClick(dlg.box(8), Qt::LeftButton);
    for (int day = 1; day <= 7; ++day)
        EXPECT_TRUE(dlg.box(day)->isChecked()) << day;
    QTest::mouseClick(dlg.box(9), Qt::LeftButton);
    EXPECT_TRUE(dlg.box(9)->isChecked());
    for (int box = 1; box <= 8; ++box)
        EXPECT_FALSE(dlg.box(box)->isChecked()) << box;
    QTest::mouseClick(dlg.box(2), Qt::LeftButton);
    EXPECT_FALSE(dlg.box(9)->isChecked());
    EXPECT_TRUE(dlg.session().isChecked(2));

    // With no port nothing can go: "Send" says so again at once, sends nothing, and the journal
    // tells the port failed; the ticked box stays ticked for another try.
    QTemporaryDir journalDir;
    const QByteArray before = qgetenv("TAVRIN_JOURNAL");
    qputenv("TAVRIN_JOURNAL", journalDir.filePath(QStringLiteral("journal.sqlite")).toLocal8Bit());
    dlg.actionButton()->click();
    qputenv("TAVRIN_JOURNAL", before);
    QMessageBox *again = waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail"), 0);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->text().contains(missingPort()));
    EXPECT_FALSE(dlg.isTimerActive(1));
    EXPECT_TRUE(dlg.box(2)->isEnabled());
    EXPECT_TRUE(dlg.box(2)->isChecked());
    const JournalRead read = TransferJournal(journalDir.filePath(QStringLiteral("journal.sqlite"))).entries();
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].kind, JournalKind::Download);
    EXPECT_EQ(read.entries[0].outcome, JournalOutcome::PortFailed);
    EXPECT_TRUE(read.entries[0].weekdays.empty());
    pressOk(again);

    dlg.cancelButton()->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.isTimerActive(1));
}

TEST(CUploadDlg, ControlsAndEscape)
{
    WeeklySchedule week;
    CUploadDlg dlg(nullptr, week, missingPort());
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Uplaod");
    EXPECT_EQ(boxTexts(dlg, 8),
              (QStringList{QStringLiteral("   Monday"), QStringLiteral("   Tuesday"), QStringLiteral("   Wednesday"),
                           QStringLiteral("   Thursday"), QStringLiteral("   Friday"), QStringLiteral("   Saturday"),
                           QStringLiteral("   Sunday"), QStringLiteral("   Weekly")}));
    EXPECT_EQ(dlg.box(9), nullptr);
    EXPECT_EQ(dlg.progressBar()->maximum(), 60);
    EXPECT_EQ(dlg.actionButton()->text(), "Receive");
    ASSERT_NE(waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail")), nullptr);
    pressOk(waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail")));

    // "Receive" with nothing ticked changes nothing.
    dlg.actionButton()->click();
    EXPECT_TRUE(dlg.box(1)->isEnabled());
    EXPECT_FALSE(dlg.isTimerActive(1));

    QTest::mouseClick(dlg.box(4), Qt::LeftButton);
    dlg.actionButton()->click();
    pressOk(waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail"), 0));
    EXPECT_FALSE(dlg.isTimerActive(1));
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isTimerActive(1));
    EXPECT_FALSE(dlg.isTimerActive(2));
}

// A box asked for while another is open waits for it: the port's failure, two Line Errors and
// the closing box come up one at a time, in order, while the exchange runs on behind them.
TEST(CUploadDlg, MessageBoxesComeUpOneAtATimeInTheirOrder)
{
    WeeklySchedule week;
    CUploadDlg dlg(nullptr, week, missingPort());
    dlg.show();
    ASSERT_NE(waitForMessage(&dlg, QStringLiteral("Serial Port Open Fail")), nullptr);

    // The device's corrupted answers, handed to the session as the port would hand them.
    DeviceEmulator device([] { return DeviceEmulator::Millis(0); });
    device.faults().corruptUpload = true;
    auto answer = [&](const char *request) {
        device.feed(std::string_view(request, 4));
        for (const auto &chunk : device.takeChunks())
            dlg.session().received(QByteArray(reinterpret_cast<const char *>(chunk.data()), qsizetype(chunk.size())));
        dlg.session().timer(TransferHost::kReplyTimer);
    };
    dlg.session().boxClicked(kMonday, true);
    dlg.session().boxClicked(kWednesday, true);
    dlg.session().receive();
    answer("T!B\xFF");
    EXPECT_EQ(dlg.waitingMessages(), 1u);
    EXPECT_TRUE(dlg.isTimerActive(1)); // Wednesday is asked for behind the boxes
    answer("T!D\xFF");
    EXPECT_EQ(dlg.waitingMessages(), 3u);

    const QStringList expected{QStringLiteral("Serial Port Open Fail"), QStringLiteral("Line Error"),
                               QStringLiteral("Line Error"),
                               QStringLiteral("Uploading complete\n\nNot taken (Line Error): Monday, Wednesday.")};
    for (const QString &text : expected) {
        EXPECT_EQ(openMessageCount(&dlg), 1) << text.toStdString();
        QMessageBox *box = waitForMessage(&dlg, text, 0);
        ASSERT_NE(box, nullptr) << text.toStdString();
        if (text.startsWith(QStringLiteral("Uploading"))) {
            EXPECT_EQ(box->text(), text);
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
        }
        EXPECT_TRUE(dlg.isVisible());
        pressOk(box);
    }
    EXPECT_EQ(openMessageCount(&dlg), 0);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
