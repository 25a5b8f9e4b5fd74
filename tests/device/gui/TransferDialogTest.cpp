#include "DialogTestUtil.h"

#include "device/gui/CDownloadDlg.h"
#include "device/gui/CUploadDlg.h"
#include "schedule/WeeklySchedule.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>

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
              (QStringList{"Monday", "Tuesday", "   Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "Weekly",
                           " ALL Clear"}));
    EXPECT_EQ(dlg.box(10), nullptr);
    EXPECT_EQ(groupTitles(dlg), (QStringList{"Select the Day", "Status"}));
    EXPECT_EQ(dlg.progressBar()->orientation(), Qt::Vertical);
    EXPECT_EQ(dlg.progressBar()->maximum(), 55);
    EXPECT_EQ(dlg.progressBar()->value(), 0);
    EXPECT_EQ(dlg.actionButton()->text(), "Send");
    EXPECT_TRUE(dlg.actionButton()->isDefault());
    EXPECT_EQ(dlg.cancelButton()->text(), "Cancel");

    QMessageBox *fail = waitForMessage(&dlg, "Serial Port Open Fail");
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

    // With no port the frame goes nowhere; the boxes lock and timer 1 watches for silence.
    dlg.actionButton()->click();
    for (int box = 1; box <= 9; ++box)
        EXPECT_FALSE(dlg.box(box)->isEnabled()) << box;
    EXPECT_FALSE(dlg.box(2)->isChecked());
    EXPECT_TRUE(dlg.isTimerActive(1));
    EXPECT_TRUE(dlg.isTimerActive(2));

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
              (QStringList{"   Monday", "   Tuesday", "   Wednesday", "   Thursday", "   Friday", "   Saturday",
                           "   Sunday", "   Weekly"}));
    EXPECT_EQ(dlg.box(9), nullptr);
    EXPECT_EQ(dlg.progressBar()->maximum(), 60);
    EXPECT_EQ(dlg.actionButton()->text(), "Receive");
    ASSERT_NE(waitForMessage(&dlg, "Serial Port Open Fail"), nullptr);
    pressOk(waitForMessage(&dlg, "Serial Port Open Fail"));

    // "Receive" with nothing ticked changes nothing.
    dlg.actionButton()->click();
    EXPECT_TRUE(dlg.box(1)->isEnabled());
    EXPECT_FALSE(dlg.isTimerActive(1));

    QTest::mouseClick(dlg.box(4), Qt::LeftButton);
    dlg.actionButton()->click();
    EXPECT_TRUE(dlg.isTimerActive(1));
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isTimerActive(1));
    EXPECT_FALSE(dlg.isTimerActive(2));
}
