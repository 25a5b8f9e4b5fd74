#include "RecordingTransferHost.h"

#include "device/ClockSession.h"
#include "device/DeviceEmulator.h"

#include <gtest/gtest.h>

namespace {
constexpr int kSunday = 0, kMonday = 1, kWednesday = 3;

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}
} // namespace

TEST(ClockSession, SendWritesTheClockFrameAndCloses)
{
    RecordingClockHost host;
    ClockSession session(host);
    session.send(kWednesday, 7, 5, 9);
    ASSERT_EQ(host.frames.size(), 1u);
    EXPECT_EQ(host.frames[0], bytes({0x54, 0x24, 0x44, 0x30, 0x37, 0x30, 0x35, 0x30, 0x39, 0xFF}));
    EXPECT_EQ(host.result, SessionHost::Result::Ok);

    EXPECT_EQ(ClockSession::setClockFrame(kSunday, 23, 59, 0), QByteArray("T$A235900\xFF", 10));
    EXPECT_TRUE(ClockSession::setClockFrame(7, 0, 0, 0).isEmpty());
    EXPECT_TRUE(ClockSession::setClockFrame(1, 24, 0, 0).isEmpty());

    // The device takes the frame and runs on from it.
    DeviceEmulator device([] { return DeviceEmulator::Millis(0); });
    device.feed(std::string_view(host.frames[0].constData(), 10));
    const DeviceEmulator::Time t = device.time();
    EXPECT_EQ(t.code, 'D');
    EXPECT_EQ(t.hour, 7);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 9);
}

TEST(ClockSession, ReceiveAsksTheDeviceAndShowsItsAnswer)
{
    RecordingClockHost host;
    ClockSession session(host);
    DeviceEmulator device([] { return DeviceEmulator::Millis(0); });
    device.setTime(DeviceEmulator::Time{'G', 18, 4, 31});
    session.receive();
    ASSERT_EQ(host.frames.size(), 1u);
    EXPECT_EQ(host.frames[0], QByteArray("T!H\xFF", 4));
    EXPECT_FALSE(host.result);
    device.feed(std::string_view(host.frames[0].constData(), 4));
    for (const auto &chunk : device.takeChunks())
        session.received(QByteArray(reinterpret_cast<const char *>(chunk.data()), qsizetype(chunk.size())));
    EXPECT_EQ(host.weekday, 6);
    EXPECT_EQ(host.hour, 18);
    EXPECT_EQ(host.minute, 4);
    EXPECT_EQ(host.second, 31);
}

TEST(ClockSession, ReplyCases)
{
    RecordingClockHost host;
    ClockSession session(host);

    // Monday 23:59:59, in two pieces.
    session.received(bytes({0x54, 0x21, 0x42, '2', '3'}));
    EXPECT_EQ(host.timeSets, 0);
    session.received(bytes({'5', '9', '5', '9', 0xFF}));
    EXPECT_EQ(host.weekday, kMonday);
    EXPECT_EQ(host.hour, 23);
    EXPECT_EQ(host.minute, 59);
    EXPECT_EQ(host.second, 59);

    // Code H keeps the weekday, the time is still taken; noise (even a "T") may come first.
    session.received(QByteArray("\r\x01TT!H001203\x0d\xFF", 14));
    EXPECT_EQ(host.weekday, kMonday);
    EXPECT_EQ(host.hour, 0);
    EXPECT_EQ(host.minute, 12);
    EXPECT_EQ(host.second, 3);
    EXPECT_EQ(host.timeSets, 2);
    // Its tail may hold any byte, another "T!" too.
    session.received(QByteArray("T!C010203T!D\xFF", 13));
    EXPECT_EQ(host.weekday, 2);
    EXPECT_EQ(host.timeSets, 3);

    // Nothing read, each reported with what arrived: no "T!" in it, time characters that are
    // not digits (or too few), a time of day that does not exist.
    using F = ClockReplyFault;
    const std::vector<std::pair<QByteArray, F>> unusable = {
        {QByteArray("T#A121212\xFF", 10), F::NotAClockReply},
        {QByteArray("X!A121212\xFF", 10), F::NotAClockReply},
        {QByteArray("T!H0x1203\xFF", 10), F::NotDigits},
        {QByteArray("T!A1212\xFF", 8), F::NotDigits},
        {QByteArray("T!\xFF", 3), F::NotDigits},
        {QByteArray("T!A251212\xFF", 10), F::OutOfRange},
    };
    for (const auto &[reply, fault] : unusable)
        session.received(reply);
    ASSERT_EQ(host.unusable.size(), unusable.size());
    for (size_t i = 0; i < unusable.size(); ++i) {
        EXPECT_EQ(host.unusable[i].first, unusable[i].second) << i;
        EXPECT_EQ(host.unusable[i].second, unusable[i].first) << i;
    }
    EXPECT_EQ(host.timeSets, 3);
    EXPECT_EQ(host.weekday, kSunday); // the weekday of the last one was still taken
    EXPECT_TRUE(host.frames.empty());
    EXPECT_FALSE(host.result);
}
