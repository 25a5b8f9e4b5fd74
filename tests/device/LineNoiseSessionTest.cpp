// Sessions against the emulator with the line misbehaving: bytes before and after answers,
// an image byte read as 0xFF, replies that answer nothing.
#include "SessionRig.h"

#include "device/DownloadSession.h"
#include "device/UploadSession.h"
#include "schedule/Weekday.h"

#include <gtest/gtest.h>

namespace {

void fillDevice(SessionRig<UploadSession> &rig)
{
    for (int day = kMonday; day <= kSunday; ++day) {
        DaySchedule d;
        d.append(makeEntry(day, 10 + day, "Voice", day, "ON", "1000"));
        d.append(makeEntry(20, day, "Melody", 15 - day, "OFF", "0110"));
        DayImage image;
        image.Encode(d);
        rig.device.setImage(dayCodeForDay(day), image);
        rig.week.day(day).append(makeEntry(1, 1, "Melody", 1));
    }
}

bool holdsDeviceImage(SessionRig<UploadSession> &rig, int day)
{
    return rig.week.day(day).sameEntries(rig.device.image(dayCodeForDay(day)).Decode());
}

} // namespace

TEST(LineNoise, UploadTakesTheReplyFromItsLastFrameStart)
{
    // Stray bytes (image-like ones too, which would shift the image) and a NUL before each reply.
    for (const std::string &noise :
         {std::string("0"), std::string("\r@"), std::string("A0\x07"), std::string(1, '\0'), std::string("\0T0", 3)}) {
        SessionRig<UploadSession> rig;
        fillDevice(rig);
        rig.device.faults().noise = noise;
        rig.device.faults().trail = "\r";
        rig.device.faults().chunkSize = 1000;
        rig.click(UploadSession::kWeekly);
        rig.session.receive();
        for (int i = 0; i < 7; ++i)
            rig.tick();
        EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Uploading complete")}) << int(noise[0]);
        for (int day = kMonday; day <= kSunday; ++day)
            EXPECT_TRUE(holdsDeviceImage(rig, day)) << "noise " << int(noise[0]) << " day " << day;
    }
}

TEST(LineNoise, UploadImagePartMustBeWholeAndStaleRepliesAnswerNothing)
{
    SessionRig<UploadSession> rig;
    fillDevice(rig);

    // A complete reply while nothing is requested, and half of one, are not Monday's answer.
    DayImage other;
    other.Encode(rig.device.image('D').Decode());
    rig.session.received(QByteArray("T!D") + imageBytes(other) + char(0xFF));
    rig.session.received(QByteArray("T!D") + imageBytes(other).left(2000));
    rig.click(kMonday);
    rig.click(kTuesday);
    rig.click(kWednesday);
    rig.click(kThursday);
    rig.session.receive();
    rig.tick();
    EXPECT_TRUE(holdsDeviceImage(rig, kMonday));
    EXPECT_TRUE(rig.host.messageTexts().isEmpty());

    // Tuesday: an image part one byte too long. Wednesday's reply will have byte 500 read as
    // 0xFF, and arrive in pieces.
    rig.pending.clear();
    rig.session.received(QByteArray("T!C") + imageBytes(rig.device.image('C')) + '0' + char(0xFF));
    rig.device.faults().chunkSize = 1000;
    rig.device.faults().flipByte = 500;
    rig.session.timer(TransferHost::kReplyTimer);
    EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Line Error")});
    EXPECT_EQ(rig.week.day(kTuesday).count(), 1);

    // The cut reply is a Line Error; its tail, still on the line when Thursday is requested,
    // is not taken for Thursday's answer.
    ASSERT_EQ(rig.host.frames.back(), QByteArray("T!D\xFF"));
    rig.session.received(rig.pending.front());
    rig.pending.pop_front();
    rig.session.timer(TransferHost::kReplyTimer);
    ASSERT_EQ(rig.host.frames.back(), QByteArray("T!E\xFF"));
    rig.tick();
    EXPECT_EQ(rig.host.messageTexts(),
              (QStringList{QStringLiteral("Line Error"), QStringLiteral("Line Error"),
                           QStringLiteral("Uploading complete\n\nNot taken (Line Error): Tuesday, Wednesday.")}));
    EXPECT_EQ(rig.week.day(kWednesday).count(), 1);
    EXPECT_TRUE(holdsDeviceImage(rig, kThursday));
}

TEST(LineNoise, DownloadAndAllClearCompleteWithNoiseAroundTheAcknowledgements)
{
    struct Case {
        std::string noise, trail;
    };
    for (const Case &c :
         {Case{"", "\r"}, Case{std::string(1, '\0'), ""}, Case{"\r\x01", "\r\n"}, Case{"T", std::string("\0\r", 2)}}) {
        for (const bool allClear : {false, true}) {
            SessionRig<DownloadSession> rig;
            rig.week.day(kMonday).append(makeEntry(8, 30, "Voice", 3, "ON", "1010"));
            rig.device.faults().noise = c.noise;
            rig.device.faults().trail = c.trail;
            rig.click(allClear ? DownloadSession::kAllClear : DownloadSession::kWeekly);
            rig.session.send();
            for (int i = 0; i < 9 && rig.host.messages.empty(); ++i)
                rig.tick();
            EXPECT_EQ(rig.host.messageTexts(), QStringList{QStringLiteral("Downloading complete")})
                << "noise " << c.noise.size() << " trail " << c.trail.size() << " all clear " << allClear;
            EXPECT_EQ(rig.host.frames.size(), allClear ? 8u : 7u);
        }
    }
}
