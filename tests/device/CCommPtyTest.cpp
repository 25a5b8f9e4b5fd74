#include "device/CComm.h"
#include "device/ReceiveRing.h"
#include "support/PtyDevice.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The owner side of a port: records chunks and assembles them as the dialogs do.
struct Owner : SerialReceiver {
    std::vector<QByteArray> chunks;
    ReceiveRing ring;
    std::vector<std::string> replies;
    QStringList failures;

    void serialReceived(const uint8_t *data, size_t size) override
    {
        chunks.emplace_back(reinterpret_cast<const char *>(data), qsizetype(size));
        if (ring.append(data, size))
            replies.emplace_back(ring.replyText());
    }
    void serialFailed(const QString &reason) override { failures << reason; }
};

QByteArray patternedImage()
{
    QByteArray image(5760, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i % 2 ? 0x40 + (i / 7) % 16 : 0x30 + (i / 3) % 16);
    return image;
}

void openOn(CComm &comm, const QString &name, Owner &owner)
{
    comm.Configure(1, 9600, 8, 0, 0);
    comm.setPortName(name);
    ASSERT_TRUE(comm.OpenIfClosed(&owner)) << comm.openFailure().toStdString();
}

} // namespace

TEST(CCommPtyTest, FrameArrivesExactAndTheAnswerIsDeliveredInChunks)
{
    PtyDevice device;
    ASSERT_TRUE(device.pty.isOpen());
    Owner owner;
    CComm comm;
    openOn(comm, device.slaveName(), owner);

    const QByteArray image = patternedImage();
    const QByteArray frame = "T#C" + image + '\xFF';
    ASSERT_EQ(frame.size(), 5764);
    EXPECT_TRUE(comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size())));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owner.replies.empty(); }, 5000));
    EXPECT_EQ(device.received, frame);
    EXPECT_EQ(owner.replies[0], "T'C\xFF");

    // The image comes back in one piece from the device; the owner sees it in order, in
    // chunks of at most 2048 bytes, and the ring puts the reply together.
    owner.chunks.clear();
    const QByteArray request("T!C\xFF");
    comm.Write(reinterpret_cast<const uint8_t *>(request.constData()), 4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner.replies.size() == 2; }, 5000));
    QByteArray joined;
    for (const QByteArray &c : owner.chunks) {
        EXPECT_LE(c.size(), 2048);
        joined += c;
    }
    const QByteArray expected = "T!C" + image + '\xFF';
    EXPECT_EQ(joined, expected);
    EXPECT_GE(owner.chunks.size(), 3u);
    EXPECT_EQ(QByteArray::fromStdString(owner.replies[1]), expected);
}

TEST(CCommPtyTest, OpenIfClosedKeepsTheFirstOwner)
{
    PseudoTerminal pty;
    Owner first, second;
    CComm comm;
    openOn(comm, pty.slaveName(), first);
    EXPECT_TRUE(comm.OpenIfClosed(&second));
    EXPECT_EQ(comm.owner(), &first);

    pty.write("T'B\xFF");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first.replies.empty(); }, 5000));
    EXPECT_TRUE(second.chunks.empty());

    // Closed and opened again, the port takes the new owner.
    comm.Shutdown();
    EXPECT_FALSE(comm.isConnected());
    EXPECT_TRUE(comm.OpenIfClosed(&second));
    EXPECT_EQ(comm.owner(), &second);
}

TEST(CCommPtyTest, MissingPortFailsCleanlyAndNamesThePort)
{
    Owner owner;
    CComm comm;
    comm.Configure(1, 9600, 8, 0, 0);
    comm.setPortName(QStringLiteral("/dev/tavrin-no-such-port"));
    EXPECT_FALSE(comm.OpenIfClosed(&owner));
    EXPECT_FALSE(comm.isConnected());
    EXPECT_EQ(comm.owner(), &owner);
    EXPECT_TRUE(comm.openFailure().contains(QStringLiteral("/dev/tavrin-no-such-port")))
        << comm.openFailure().toStdString();
    const uint8_t frame[4] = {'T', '!', 'H', 0xFF};
    EXPECT_FALSE(comm.Write(frame, 4));
    EXPECT_TRUE(comm.Close());
    comm.Shutdown();
}

TEST(CCommPtyTest, DrainedFrameSurvivesTheClose)
{
    PtyDevice device;
    Owner owner;
    CComm comm;
    openOn(comm, device.slaveName(), owner);
    const QByteArray frame("T$D070509\xFF");
    comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
    EXPECT_TRUE(comm.Drain(2000));
    comm.Close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return device.emulator.stats().clockSets == 1; }, 5000));
    EXPECT_EQ(device.emulator.time().code, 'D');
}

TEST(CCommPtyTest, UnpluggedLineIsReportedToTheOwner)
{
    PtyDevice device;
    Owner owner;
    CComm comm;
    openOn(comm, device.slaveName(), owner);
    device.unplug();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owner.failures.isEmpty(); }, 5000));
    EXPECT_EQ(owner.failures.size(), 1);
    EXPECT_TRUE(owner.failures[0].contains(device.slaveName()));
    EXPECT_FALSE(comm.isConnected());
    const uint8_t frame[4] = {'T', '!', 'H', 0xFF};
    EXPECT_FALSE(comm.Write(frame, 4));
}

// A link to the line (as /dev/serial/by-id/... is) names the same line: the second opening is
// refused as in use, under either name, until the first closes.
TEST(CCommPtyTest, OneLineUnderTwoNamesOpensOnce)
{
    PtyDevice device;
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("by-id-tavrin"));
    ASSERT_TRUE(QFile::link(device.slaveName(), link));
    Owner owner;
    CComm first;
    openOn(first, device.slaveName(), owner);
    for (const QString &name : {link, device.slaveName()}) {
        CComm second;
        second.Configure(1, 9600, 8, 0, 0);
        second.setPortName(name);
        EXPECT_FALSE(second.OpenIfClosed(&owner));
        EXPECT_EQ(second.openFailure(), "Cannot open serial port " + name + ": it is in use by another program");
    }
    first.Close();
    CComm second;
    openOn(second, link, owner);
}
