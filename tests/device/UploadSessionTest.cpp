#include "SessionRig.h"

#include "device/TransferRecorder.h"
#include "device/UploadSession.h"
#include "schedule/Weekday.h"

#include <gtest/gtest.h>

namespace {

using Rig = SessionRig<UploadSession>;
constexpr int kWeekly = UploadSession::kWeekly;

QByteArray request(char code)
{
    return QByteArray("T!") + code + char(0xFF);
}

// A different small schedule on every device image; the week starts with other entries.
void fillDevice(Rig &rig)
{
    for (int day = kMonday; day <= kSunday; ++day) {
        DaySchedule d;
        d.append(makeEntry(day, 10 + day, "Voice", day, "ON", "1000"));
        if (day == kWednesday)
            d.append(makeEntry(23, 59, "Melody", 15, "OFF", "0111"));
        DayImage image;
        image.Encode(d);
        rig.device.setImage(dayCodeForDay(day), image);
        rig.week.day(day).append(makeEntry(1, 1, "Melody", 1));
        rig.week.day(day).append(makeEntry(2, 2, "Melody", 2));
    }
}

} // namespace

TEST(UploadSession, WeeklyStoresMondayToSundayAndShowsSunday)
{
    Rig rig;
    fillDevice(rig);
    rig.device.setImage('B', DayImage()); // a blank image empties its weekday
    EXPECT_EQ(rig.host.rangeHigh, 60);
    for (int box = 1; box <= UploadSession::kBoxCount; ++box)
        EXPECT_EQ(rig.host.pictures[box], (RecordingTransferHost::Pictures{154, 156, 158}));

    rig.click(kWeekly);
    rig.session.receive();
    const char codes[] = {'B', 'C', 'D', 'E', 'F', 'G', 'A'};
    for (int i = 0; i < 7; ++i) {
        const int day = kMonday + i;
        ASSERT_EQ(rig.host.frames.size(), size_t(i + 1));
        EXPECT_EQ(rig.host.frames.back(), request(codes[i]));
        EXPECT_EQ(rig.host.pictures[day].normal, 155);
        if (day < kSunday) {
            EXPECT_EQ(rig.host.pictures[day + 1].normal, 156);
        }
        EXPECT_FALSE(rig.host.isEnabled(day));
        rig.session.timer(TransferHost::kReplyTimer); // reply not delivered yet: nothing stored
        EXPECT_EQ(rig.week.day(day).count(), 2);
        rig.tick();
        EXPECT_TRUE(rig.week.day(day).sameEntries(rig.device.image(codes[i]).Decode())) << day;
        EXPECT_EQ(rig.week.shownDay(), day);
    }
    EXPECT_EQ(rig.week.day(kMonday).count(), 0);
    EXPECT_EQ(rig.week.day(kWednesday).count(), 2);
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Uploading complete")});
    EXPECT_EQ(rig.host.messages[0].caption, "Tavrin");
    EXPECT_EQ(rig.host.messages[0].icon, RecordingTransferHost::Icon::Information);
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.host.progress, 60);
    rig.host.closeMessage();
    EXPECT_EQ(rig.host.result, SessionHost::Result::Ok);
}

TEST(UploadSession, LineErrorKeepsTheWeekdayAndGoesOn)
{
    Rig rig;
    fillDevice(rig);
    rig.corruptCodes = "DA"; // Wednesday, and Sunday the last one
    rig.click(kTuesday);
    rig.click(kWednesday);
    rig.click(kThursday);
    rig.click(kSunday);
    rig.session.receive();
    rig.tick(); // Tuesday
    rig.tick(); // Wednesday: corrupted
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Line Error")});
    EXPECT_EQ(rig.week.day(kWednesday).count(), 2);
    EXPECT_EQ(rig.week.day(kWednesday).entry(1), makeEntry(1, 1, "Melody", 1));
    // The transfer goes on behind the open message.
    EXPECT_TRUE(rig.host.timerRunning(TransferHost::kReplyTimer));
    EXPECT_EQ(rig.host.frames.back(), request('E'));
    rig.tick(); // Thursday
    EXPECT_TRUE(rig.week.day(kThursday).sameEntries(rig.device.image('E').Decode()));
    rig.tick(); // Sunday: corrupted, still complete, and the closing box names what was not taken
    EXPECT_EQ(rig.host.messageTexts(),
              (QStringList{QStringLiteral("Line Error"), QStringLiteral("Line Error"),
                           QStringLiteral("Uploading complete\n\nNot taken (Line Error): Wednesday, Sunday.")}));
    EXPECT_EQ(rig.host.messages[2].icon, RecordingTransferHost::Icon::Warning);
    EXPECT_EQ(rig.host.outcomes.back().weekdays, (std::vector<int>{kTuesday, kThursday}));
    EXPECT_EQ(rig.week.day(kSunday).count(), 2);
    EXPECT_EQ(rig.week.shownDay(), kThursday);
    rig.host.closeMessage();
    rig.host.closeMessage();
    EXPECT_FALSE(rig.host.result);
    rig.host.closeMessage();
    EXPECT_EQ(rig.host.result, SessionHost::Result::Ok);
}

// Completed, with every weekday left out: the journal takes that as the failure it is.
TEST(UploadSession, NoWeekdayTakenIsJournalledAsALineError)
{
    Rig rig;
    fillDevice(rig);
    rig.corruptCodes = "BF";
    rig.click(kMonday);
    rig.click(kFriday);
    rig.session.receive();
    rig.tick();
    rig.tick();
    ASSERT_EQ(rig.host.outcomes.back().end, TransferEnd::Completed);
    EXPECT_EQ(rig.host.outcomes.back().lineErrorDays, (std::vector<int>{kMonday, kFriday}));
    const TransferRecord record = dayTransferRecord(rig.host.outcomes.back(), rig.week);
    EXPECT_EQ(record.end, TransferEnd::LineError);
    EXPECT_TRUE(record.weekdays.empty());
}

TEST(UploadSession, ShortOrOddRepliesAreLineErrors)
{
    Rig rig;
    fillDevice(rig);
    rig.device.faults().silent = true;
    rig.click(kMonday);
    rig.click(kTuesday);
    rig.click(kFriday);
    rig.session.receive();
    // A short image: header, 100 good bytes, terminator.
    QByteArray reply = QByteArray("T!B") + imageBytes(DayImage()).left(100) + char(0xFF);
    rig.session.received(reply.left(50));
    rig.session.received(reply.mid(50));
    rig.tick();
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Line Error")});
    EXPECT_EQ(rig.week.day(kMonday).count(), 2);
    // A whole image arriving in many pieces, with a header the program does not examine.
    const QByteArray good = QByteArray("Tyz") + imageBytes(rig.device.image('C')) + char(0xFF);
    for (int i = 0; i < good.size(); i += 700)
        rig.session.received(good.mid(i, 700));
    rig.tick();
    EXPECT_TRUE(rig.week.day(kTuesday).sameEntries(rig.device.image('C').Decode()));
    EXPECT_EQ(rig.host.frames.back(), request('F'));
    // A reply with no image part.
    rig.session.received(QByteArray("T!F\xFF", 4));
    rig.tick();
    EXPECT_EQ(rig.host.messageTexts(),
              (QStringList{QStringLiteral("Line Error"), QStringLiteral("Line Error"),
                           QStringLiteral("Uploading complete\n\nNot taken (Line Error): Monday, Friday.")}));
    EXPECT_EQ(rig.week.day(kFriday).count(), 2);
}

TEST(UploadSession, SilenceGivesCommunicationError)
{
    Rig rig;
    fillDevice(rig);
    rig.device.faults().silent = true;
    rig.session.receive();
    EXPECT_TRUE(rig.host.frames.empty());
    rig.click(kSaturday);
    rig.click(kSunday);
    rig.session.receive();
    rig.session.receive();
    EXPECT_EQ(rig.host.frames.size(), 1u);
    for (int i = 0; i < 10; ++i)
        rig.tick();
    EXPECT_TRUE(rig.host.messages.empty());
    rig.tick();
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Communication error")});
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.host.progress, 60);
    rig.host.closeMessage();
    EXPECT_EQ(rig.host.result, SessionHost::Result::Ok);
    EXPECT_EQ(rig.week.day(kSaturday).count(), 2);
    EXPECT_EQ(rig.host.frames.size(), 1u);
}

TEST(UploadSession, WeeklyBoxFollowsTheWeekdaysAndCancel)
{
    Rig rig;
    rig.click(kWeekly);
    for (int day = kMonday; day <= kSunday; ++day)
        EXPECT_TRUE(rig.host.isChecked(day));
    rig.click(kMonday);
    EXPECT_FALSE(rig.host.isChecked(kWeekly));
    rig.click(kMonday);
    EXPECT_TRUE(rig.host.isChecked(kWeekly));
    rig.session.receive();
    rig.session.cancel();
    EXPECT_TRUE(rig.host.timers.empty());
    EXPECT_EQ(rig.host.result, SessionHost::Result::Cancel);
    rig.tick();
    EXPECT_EQ(rig.host.frames.size(), 1u);
}
