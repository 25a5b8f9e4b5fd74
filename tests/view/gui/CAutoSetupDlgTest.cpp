#include "view/gui/CAutoSetupDlg.h"

#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "support/RecordingMessages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AutoSetupDialog : public ::testing::Test {
protected:
    template <class W> W *child(const char *name)
    {
        W *w = dlg.findChild<W *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *box(const char *name) { return child<QLineEdit>(name); }
    QComboBox *list(const char *name) { return child<QComboBox>(name); }

    static void focus(QWidget *w, QEvent::Type type, Qt::FocusReason reason = Qt::TabFocusReason)
    {
        QFocusEvent e(type, reason);
        QApplication::sendEvent(w, &e);
    }

    WeeklySchedule week;
    RecordingMessages messages;
    CAutoSetupDlg dlg{week, messages, nullptr};
};

} // namespace

TEST_F(AutoSetupDialog, OpensWithItsDefaults)
{
    EXPECT_EQ(dlg.windowTitle(), "Auto Setup");
    QComboBox *day = list("day");
    ASSERT_EQ(day->count(), 7);
    EXPECT_EQ(day->itemText(0), " Sunday");
    EXPECT_EQ(day->itemText(6), " Saturday");
    EXPECT_EQ(day->currentIndex(), 0);
    EXPECT_EQ(box("startTime")->text(), "00:00");
    EXPECT_EQ(box("endTime")->text(), "00:00");
    EXPECT_EQ(box("interval")->text(), "1  Minute");
    EXPECT_EQ(box("startTime")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(list("melodyVoice")->itemText(1), " Melody");
    EXPECT_EQ(list("melodyVoice")->currentIndex(), 0);
    ASSERT_EQ(list("selection")->count(), 16);
    EXPECT_EQ(list("selection")->itemText(9), "  10");
    EXPECT_EQ(list("selection")->currentText(), "  0");
    EXPECT_EQ(list("ac")->itemText(2), "  OFF");
    EXPECT_EQ(list("ac")->currentIndex(), 0);
    for (const char *ch : {"ch1", "ch2", "ch3", "ch4"})
        EXPECT_FALSE(child<QCheckBox>(ch)->isChecked());
}

TEST_F(AutoSetupDialog, BoxesNormaliseWhenLeft)
{
    QLineEdit *start = box("startTime");
    QLineEdit *end = box("endTime");
    QLineEdit *interval = box("interval");

    // Typing is limited: five characters in the time boxes, three digits in the interval.
    start->clear();
    QTest::keyClicks(start, QStringLiteral("8:5xyz"));
    EXPECT_EQ(start->text(), "8:5xy");
    focus(start, QEvent::FocusOut);
    EXPECT_EQ(start->text(), "08:05");

    end->setText(QStringLiteral("24:00"));
    focus(end, QEvent::FocusOut);
    EXPECT_EQ(end->text(), "24:00");
    start->setText(QStringLiteral("24:00"));
    focus(start, QEvent::FocusOut);
    EXPECT_EQ(start->text(), "00:00");

    focus(interval, QEvent::FocusIn);
    EXPECT_EQ(interval->text(), "");
    QTest::keyClicks(interval, QStringLiteral("1a2345"));
    EXPECT_EQ(interval->text(), "123");
    focus(interval, QEvent::FocusOut);
    EXPECT_EQ(interval->text(), "123  Minute");
    EXPECT_TRUE(messages.shown.isEmpty());

    // Both at 00:00: the operator is told, the interval goes back to one minute.
    start->setText(QStringLiteral("00:00"));
    end->setText(QStringLiteral("00:00"));
    focus(interval, QEvent::FocusIn);
    focus(interval, QEvent::FocusOut);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], "Invalid Input between Start Time and End Time.");
    EXPECT_EQ(interval->text(), "1  Minute");

    // Focus lost to another window (the message box itself) is not the operator leaving.
    focus(interval, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    focus(interval, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(interval->text(), "1  Minute");
}

TEST_F(AutoSetupDialog, OkWritesTheRunAndCloses)
{
    week.setShownDay(kMonday);
    list("day")->setCurrentIndex(0); // Sunday
    box("startTime")->setText(QStringLiteral("8:00"));
    box("endTime")->setText(QStringLiteral("9"));
    box("interval")->setText(QStringLiteral("15"));
    list("melodyVoice")->setCurrentIndex(2); // Voice
    list("selection")->setCurrentIndex(2); // "  3"
    list("ac")->setCurrentIndex(1); // ON
    child<QCheckBox>("ch2")->setChecked(true);

    // 9 is read as 00:09: the start is not before the end, so nothing happens yet.
    QTest::mouseClick(child<QPushButton>("ok"), Qt::LeftButton);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(box("endTime")->text(), "00:09");
    EXPECT_EQ(week.day(kSunday).count(), 0);

    box("endTime")->setText(QStringLiteral("9:00"));
    box("interval")->setText(QStringLiteral("15"));
    QTest::mouseClick(child<QPushButton>("ok"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(week.shownDay(), kSunday);
    ASSERT_EQ(week.day(kSunday).count(), 4);
    EXPECT_EQ(week.day(kSunday).entry(4), (ScheduleEntry{storedTime(8, 45), "Voice", "3", "ON", "0", "1", "0", "0"}));
}

TEST_F(AutoSetupDialog, CancelWritesNothing)
{
    week.WriteEntry(kMonday, 1, {storedTime(8, 15), "Voice", "3", "", "0", "0", "0", "0"});
    list("day")->setCurrentIndex(1);
    box("startTime")->setText(QStringLiteral("08:00"));
    box("endTime")->setText(QStringLiteral("09:00"));
    list("melodyVoice")->setCurrentIndex(1);
    QTest::mouseClick(child<QPushButton>("cancel"), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    ASSERT_EQ(week.day(kMonday).count(), 1);
    EXPECT_EQ(week.day(kMonday).entry(1).MelodyVoice, "Voice");
    EXPECT_TRUE(messages.shown.isEmpty());
}
