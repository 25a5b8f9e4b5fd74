#include "SessionRig.h"

#include "device/DownloadSession.h"
#include "schedule/Weekday.h"

#include <gtest/gtest.h>

namespace {

using Rig = SessionRig<DownloadSession>;
constexpr int kWeekly = DownloadSession::kWeekly;
constexpr int kAllClear = DownloadSession::kAllClear;

QByteArray imageFrame(char code, const QByteArray &image)
{
    return QByteArray("T#") + code + image + char(0xFF);
}

QByteArray blankImage()
{
    return imageBytes(DayImage());
}

} // namespace

TEST(DownloadSession, WeeklySendsMondayToSundayEachAfterTheAcknowledgement)
{
    Rig rig;
    rig.week.day(kMonday).append(makeEntry(8, 30, "Voice", 3, "ON", "1010"));
    rig.week.day(kMonday).append(makeEntry(0, 0, "Melody", 15));
    rig.week.day(kSunday).append(makeEntry(23, 59, "Melody", 5, "OFF", "0001"));

    EXPECT_EQ(rig.host.rangeLow, 0);
    EXPECT_EQ(rig.host.rangeHigh, 55);
    EXPECT_EQ(rig.host.progress, 0);
    for (int box = 1; box <= DownloadSession::kBoxCount; ++box)
        EXPECT_EQ(rig.host.pictures[box], (RecordingTransferHost::Pictures{154, 156, 158}));

    rig.click(kWeekly);
    for (int day = kMonday; day <= kSunday; ++day)
        EXPECT_TRUE(rig.host.isChecked(day));

    rig.session.send();
    const char codes[] = {'B', 'C', 'D', 'E', 'F', 'G', 'A'};
    for (int i = 0; i < 7; ++i) {
        const int day = kMonday + i;
        ASSERT_EQ(rig.host.frames.size(), size_t(i + 1)) << "day " << day;
        const QByteArray &frame = rig.host.frames.back();
        EXPECT_EQ(frame.size(), 5764);
        EXPECT_EQ(frame, imageFrame(codes[i], encoded(rig.week.day(day))));
        EXPECT_EQ(rig.host.timers[TransferHost::kReplyTimer], 1000);
        EXPECT_EQ(rig.host.timers[TransferHost::kProgressTimer], 100);
        EXPECT_FALSE(rig.host.isChecked(day));
        EXPECT_EQ(rig.host.pictures[day].normal, 155);
        for (int later = day + 1; later <= kSunday; ++later)
            EXPECT_EQ(rig.host.pictures[later].normal, 156);
        for (int box = 1; box <= DownloadSession::kBoxCount; ++box)
            EXPECT_FALSE(rig.host.isEnabled(box));

        // Nothing moves on until the acknowledgement has arrived.
        rig.session.timer(TransferHost::kReplyTimer);
        EXPECT_EQ(rig.host.frames.size(), size_t(i + 1));
        EXPECT_TRUE(rig.host.messages.empty());
        rig.tick();
    }
    EXPECT_EQ(rig.host.frames.size(), 7u);
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Downloading complete")});
    EXPECT_EQ(rig.host.messages[0].caption, "Tavrin");
    EXPECT_EQ(rig.host.messages[0].icon, RecordingTransferHost::Icon::Information);
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.host.progress, 55);
    EXPECT_FALSE(rig.host.result);
    rig.host.closeMessage();
    EXPECT_EQ(rig.host.result, SessionHost::Result::Ok);

    for (int day = kMonday; day <= kSunday; ++day)
        EXPECT_EQ(imageBytes(rig.device.image(dayCodeForDay(day))), encoded(rig.week.day(day)));
    // Every box that was sent shows its "begun" picture, none went back to the blank one.
    EXPECT_EQ(rig.host.pictureLog[kMonday].front(), 154);
    EXPECT_EQ(rig.host.pictureLog[kMonday][1], 156);
    for (int day = kMonday; day <= kSunday; ++day)
        EXPECT_EQ(rig.host.pictures[day].normal, 155);
}

TEST(DownloadSession, AllClearSendsEightBlankFramesThenCompletesOnTheNextTick)
{
    Rig rig;
    rig.week.day(kTuesday).append(makeEntry(12, 0, "Voice", 1));
    rig.click(kTuesday);
    rig.click(kAllClear);
    EXPECT_FALSE(rig.host.isChecked(kTuesday));
    EXPECT_TRUE(rig.host.isChecked(kAllClear));
    rig.device.setImage('C', [] {
        DayImage i;
        i.Encode(DaySchedule());
        i.bytes()[0] = 0x3A;
        return i;
    }());

    rig.session.send();
    for (char code = 'A'; code <= 'H'; ++code) {
        ASSERT_EQ(rig.host.frames.size(), size_t(code - 'A' + 1));
        EXPECT_EQ(rig.host.frames.back(), imageFrame(code, blankImage()));
        EXPECT_EQ(rig.host.timers[TransferHost::kProgressTimer], 800);
        EXPECT_TRUE(rig.host.isChecked(kAllClear));
        rig.tick();
    }
    EXPECT_FALSE(rig.host.isChecked(kAllClear));
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.frames.size(), 8u);
    rig.tick();
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Downloading complete")});
    EXPECT_EQ(rig.host.frames.size(), 8u);
    EXPECT_EQ(rig.device.stats().imagesStored, 8);
    EXPECT_EQ(imageBytes(rig.device.image('C')), blankImage());
    EXPECT_EQ(rig.host.pictureLog[kAllClear][1], 156);
    EXPECT_EQ(rig.host.pictureLog[kAllClear][2], 155);
}

TEST(DownloadSession, SelectionRules)
{
    Rig rig;
    for (int day = kMonday; day <= kSaturday; ++day)
        rig.click(day);
    EXPECT_FALSE(rig.host.isChecked(kWeekly));
    rig.click(kSunday);
    EXPECT_TRUE(rig.host.isChecked(kWeekly));
    rig.click(kWednesday);
    EXPECT_FALSE(rig.host.isChecked(kWeekly));
    rig.click(kAllClear);
    for (int box = kMonday; box <= kWeekly; ++box)
        EXPECT_FALSE(rig.host.isChecked(box)) << box;
    EXPECT_EQ(rig.session.dayCode(), 'A');
    rig.click(kWeekly);
    EXPECT_FALSE(rig.host.isChecked(kAllClear));
    for (int day = kMonday; day <= kSunday; ++day)
        EXPECT_TRUE(rig.host.isChecked(day));
    rig.click(kWeekly);
    for (int day = kMonday; day <= kSunday; ++day)
        EXPECT_FALSE(rig.host.isChecked(day));
    rig.click(kAllClear);
    rig.click(kFriday);
    EXPECT_FALSE(rig.host.isChecked(kAllClear));
}

TEST(DownloadSession, SendWithNothingCheckedOrDuringATransferStartsNothing)
{
    Rig rig;
    const auto picturesBefore = rig.host.pictureLog;
    rig.session.send();
    EXPECT_TRUE(rig.host.frames.empty());
    EXPECT_EQ(rig.host.pictureLog, picturesBefore);
    EXPECT_TRUE(rig.host.isEnabled(kMonday));
    EXPECT_TRUE(rig.host.timers.empty());

    rig.click(kMonday);
    rig.click(kTuesday);
    rig.session.send();
    rig.session.send();
    rig.session.send();
    EXPECT_EQ(rig.host.frames.size(), 1u);
    // Clicks that reach a disabled box change nothing.
    rig.click(kFriday);
    rig.tick();
    rig.tick();
    EXPECT_EQ(rig.host.frames.size(), 2u);
    EXPECT_EQ(rig.host.frames[1][2], 'C');
}

TEST(DownloadSession, RefusalHaltsWithOneMessage)
{
    Rig rig;
    rig.device.faults().refuseCodes = "C";
    rig.click(kMonday);
    rig.click(kTuesday);
    rig.click(kWednesday);
    rig.session.send();
    rig.tick(); // Monday acknowledged, Tuesday goes out
    ASSERT_EQ(rig.host.frames.size(), 2u);
    rig.tick(); // Tuesday refused: "..", then what it means, under a caption of its own
    const QStringList refused{
        QStringLiteral("..\n\nThe device refused Tuesday: it keeps the schedule it held for that weekday, "
                       "and the weekdays after it were not sent.")};
    EXPECT_EQ(rig.host.messageTexts(), refused);
    EXPECT_EQ(rig.host.messages[0].caption, "Refused by the device");
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.host.progress, 55);
    // A tick already queued when the timers stopped changes nothing.
    for (int i = 0; i < 20; ++i)
        rig.tick();
    EXPECT_EQ(rig.host.messageTexts(), refused);
    EXPECT_EQ(rig.host.frames.size(), 2u);
    EXPECT_TRUE(rig.host.isChecked(kWednesday));
    EXPECT_FALSE(rig.host.isEnabled(kWednesday));
    rig.host.closeMessage();
    EXPECT_FALSE(rig.host.result);
    rig.session.send();
    EXPECT_EQ(rig.host.frames.size(), 2u);
    rig.session.cancel();
    EXPECT_EQ(rig.host.result, SessionHost::Result::Cancel);
}

TEST(DownloadSession, SilenceEndsAfterElevenTicksAndLateAcknowledgementsDoNotCount)
{
    Rig rig;
    rig.device.faults().silent = true;
    rig.click(kMonday);
    rig.click(kTuesday);
    rig.session.send();
    // An acknowledgement of another code is not the one awaited, and does not reset the
    // silence count.
    rig.session.received(QByteArray("T'A\xFF", 4));
    for (int i = 0; i < 10; ++i)
        rig.tick();
    EXPECT_TRUE(rig.host.messages.empty());
    EXPECT_EQ(rig.host.frames.size(), 1u);
    rig.tick();
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Make no Response")});
    EXPECT_FALSE(rig.host.timerRunning(TransferHost::kReplyTimer));
    EXPECT_TRUE(rig.host.timerRunning(TransferHost::kProgressTimer));
    EXPECT_FALSE(rig.host.result);
    rig.host.closeMessage();
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.host.progress, 55);
    EXPECT_EQ(rig.host.result, SessionHost::Result::Ok);
    EXPECT_EQ(rig.host.frames.size(), 1u);
}

// The tests' shorter waits: the timers ask for less time, the frames and the count of silent
// ticks are the device's.
TEST(DownloadSession, ShorterTimingsShortenTheWaitsOnly)
{
    Rig rig(ProtocolTimings{}.fasterBy(20));
    rig.click(kAllClear);
    rig.session.send();
    EXPECT_EQ(rig.host.timers[TransferHost::kReplyTimer], 50);
    EXPECT_EQ(rig.host.timers[TransferHost::kProgressTimer], 40);
    EXPECT_EQ(rig.host.frames.back(), imageFrame('A', blankImage()));

    Rig silent(ProtocolTimings{}.fasterBy(20));
    silent.device.faults().silent = true;
    silent.click(kMonday);
    silent.session.send();
    EXPECT_EQ(silent.host.timers[TransferHost::kProgressTimer], 5);
    for (int i = 0; i < ProtocolTimings::kSilentTicks; ++i)
        silent.tick();
    EXPECT_TRUE(silent.host.messages.empty());
    silent.tick();
    EXPECT_EQ(silent.host.messageTexts(), QStringList{"Make no Response"});
}

TEST(DownloadSession, AcknowledgementInPiecesAndProgress)
{
    Rig rig;
    rig.device.faults().silent = true;
    rig.click(kMonday);
    rig.click(kTuesday);
    rig.session.send();
    for (int i = 0; i < 60; ++i)
        rig.session.timer(TransferHost::kProgressTimer);
    EXPECT_EQ(rig.host.progress, 55);
    EXPECT_FALSE(rig.host.timerRunning(TransferHost::kProgressTimer));

    rig.session.received(QByteArray("T'", 2));
    rig.tick();
    EXPECT_EQ(rig.host.frames.size(), 1u);
    rig.session.received(QByteArray("B\xFF", 2));
    rig.tick();
    ASSERT_EQ(rig.host.frames.size(), 2u);
    EXPECT_EQ(rig.host.frames[1][2], 'C');
    EXPECT_EQ(rig.host.progress, 0);
}

TEST(DownloadSession, PortLostEndsTheExchangeLikeSilence)
{
    Rig rig;
    rig.click(kFriday);
    rig.session.portLost();
    EXPECT_TRUE(rig.host.messages.empty());
    rig.device.faults().silent = true;
    rig.session.send();
    rig.session.portLost();
    rig.session.portLost();
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Make no Response")});
    rig.host.closeMessage();
    EXPECT_EQ(rig.host.result, SessionHost::Result::Ok);
}
