// tavrin-sim run as the program meets it: a device on a pseudo-terminal.
#include "device/CComm.h"
#include "device/DayImage.h"
#include "device/ReceiveRing.h"
#include "support/SimProcess.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

struct Line : SerialReceiver {
    CComm comm;
    ReceiveRing ring;
    QByteArray received;
    std::vector<QByteArray> replies;

    bool open(const QString &device)
    {
        comm.Configure(1, 9600, 8, 0, 0);
        comm.setPortName(device);
        return comm.OpenIfClosed(this);
    }
    void serialReceived(const uint8_t *data, size_t size) override
    {
        received.append(reinterpret_cast<const char *>(data), qsizetype(size));
        if (ring.append(data, size))
            replies.emplace_back(ring.replyText().data(), qsizetype(ring.replyText().size()));
    }
    // Sends a frame and waits for the next complete reply; empty when none came.
    QByteArray ask(const QByteArray &frame, int timeoutMs = 5000)
    {
        const size_t before = replies.size();
        comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
        if (!QTest::qWaitFor([&] { return replies.size() > before; }, timeoutMs))
            return {};
        return replies.back();
    }
};

QByteArray eventImage()
{
    DayImage image;
    image.bytes()[4 * 605] = 0x30 | MinuteSlot::kVoice; // 10:05 voice 9 on CH4
    image.bytes()[4 * 605 + 1] = 0x49;
    image.bytes()[4 * 605 + 3] = 0x48;
    return QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(image.bytes().size()));
}

} // namespace

TEST(TavrinSimTest, HelpAndBadOptions)
{
    QProcess help;
    help.start(binPath(QStringLiteral("tavrin-sim")), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    const QString text = QString::fromLocal8Bit(help.readAllStandardOutput());
    for (const char *option :
         {"--link", "--realtime", "--state", "--verbose", "--refuse", "--silent", "--corrupt-upload", "--cut",
          "--chunk", "--delay", "--noise", "--trail", "--flip", "pause between pieces"})
        EXPECT_TRUE(text.contains(QLatin1String(option))) << option;

    for (const QStringList &bad :
         {QStringList{QStringLiteral("--bogus")}, QStringList{QStringLiteral("--cut"), QStringLiteral("x")},
          QStringList{QStringLiteral("--refuse"), QStringLiteral("Z")},
          QStringList{QStringLiteral("--noise"), QStringLiteral("0g")}, QStringList{QStringLiteral("--state")}}) {
        QProcess p;
        p.start(binPath(QStringLiteral("tavrin-sim")), bad);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 2) << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(p.readAllStandardError().startsWith("tavrin-sim: "));
    }
}

TEST(TavrinSimTest, WholeExchangeIsLoggedAndStateOutlivesTheRun)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("tavrin-line"));
    const QString state = dir.filePath(QStringLiteral("device.state"));
    const QByteArray image = eventImage();
    {
        SimProcess sim;
        ASSERT_TRUE(
            sim.start({QStringLiteral("--verbose"), QStringLiteral("--link"), link, QStringLiteral("--state"), state}));
        EXPECT_TRUE(sim.device().startsWith(QStringLiteral("/dev/pts/")));
        EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.device());

        Line line;
        ASSERT_TRUE(line.open(link)) << line.comm.openFailure().toStdString();
        EXPECT_EQ(line.ask("T#C" + image + '\xFF'), "T'C\xFF");
        EXPECT_EQ(line.ask("T!C\xFF"), "T!C" + image + '\xFF');
        EXPECT_EQ(line.ask("T!D\xFF").size(), 5764);
        line.comm.Write(reinterpret_cast<const uint8_t *>("T$D070509\xFF"), 10);
        ASSERT_TRUE(sim.waitForOutput(QStringLiteral("T$D 070509")));
        const QByteArray clock = line.ask("T!H\xFF");
        EXPECT_TRUE(clock.startsWith("T!D0705")) << clock.toStdString();

        ASSERT_TRUE(sim.waitForOutput(QStringLiteral("-> T!D 0705")));
        const QString log = sim.output();
        for (const char *frame : {"<- T#C", "-> T'C", "<- T!C", "-> T!C", "<- T!H"})
            EXPECT_TRUE(log.contains(QLatin1String(frame))) << frame << "\n" << log.toStdString();

        line.comm.Close();
        EXPECT_EQ(sim.stop(), 0);
        EXPECT_FALSE(QFileInfo::exists(link));
        EXPECT_TRUE(sim.errors().isEmpty()) << sim.errors().toStdString();
    }
    {
        // A new run remembers the image and a clock still near the one set.
        SimProcess sim;
        ASSERT_TRUE(sim.start({QStringLiteral("--state"), state}));
        Line line;
        ASSERT_TRUE(line.open(sim.device()));
        EXPECT_EQ(line.ask("T!C\xFF"), "T!C" + image + '\xFF');
        EXPECT_TRUE(line.ask("T!H\xFF").startsWith("T!D070")); // within a minute or so
        line.comm.Close();
        sim.process().kill(); // even a hard end keeps what was stored
    }
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--state"), state}));
    Line line;
    ASSERT_TRUE(line.open(sim.device()));
    EXPECT_EQ(line.ask("T!C\xFF"), "T!C" + image + '\xFF');
}

TEST(TavrinSimTest, FaultSwitchesReachTheLine)
{
    const QByteArray image = eventImage();
    {
        SimProcess sim;
        ASSERT_TRUE(sim.start({QStringLiteral("--refuse"), QStringLiteral("b"), QStringLiteral("--corrupt-upload"),
                               QStringLiteral("--chunk"), QStringLiteral("1000"), QStringLiteral("--delay"),
                               QStringLiteral("100")}));
        Line line;
        ASSERT_TRUE(line.open(sim.device()));
        EXPECT_EQ(line.ask("T#B" + image + '\xFF'), "T%B\xFF");
        EXPECT_EQ(line.ask("T#C" + image + '\xFF'), "T'C\xFF");
        const QByteArray reply = line.ask("T!C\xFF");
        ASSERT_EQ(reply.size(), 5764);
        EXPECT_FALSE(DayImage::CheckLines(reinterpret_cast<const uint8_t *>(reply.constData()) + 3, 5760));
    }
    {
        SimProcess sim;
        ASSERT_TRUE(sim.start({QStringLiteral("--cut"), QStringLiteral("100"), QStringLiteral("--realtime")}));
        Line line;
        ASSERT_TRUE(line.open(sim.device()));
        EXPECT_TRUE(line.ask("T!C\xFF", 1500).isEmpty());
        EXPECT_EQ(line.received.size(), 100);
        EXPECT_EQ(line.ring.index(), 100u);
    }
    {
        SimProcess sim;
        ASSERT_TRUE(sim.start({QStringLiteral("--silent"), QStringLiteral("--verbose")}));
        Line line;
        ASSERT_TRUE(line.open(sim.device()));
        EXPECT_TRUE(line.ask("T!H\xFF", 500).isEmpty());
        EXPECT_TRUE(sim.waitForOutput(QStringLiteral("silent")));
        // SIGINT ends it as cleanly as SIGTERM.
        ::kill(pid_t(sim.process().processId()), SIGINT);
        ASSERT_TRUE(sim.process().waitForFinished(5000));
        EXPECT_EQ(sim.process().exitCode(), 0);
        EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    }
}

TEST(TavrinSimTest, UnreadableStateIsReportedAndTheDeviceStartsBlank)
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("device.state"));
    {
        QFile f(state);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("tavrin-sim state 1\nclock-offset x\nB 0@0@\nC " + QByteArray(5760, 'P') + "\n");
    }
    SimProcess sim;
    ASSERT_TRUE(sim.start({QStringLiteral("--state"), state}));
    Line line;
    ASSERT_TRUE(line.open(sim.device()));
    const DayImage blank;
    const QByteArray blankBytes(reinterpret_cast<const char *>(blank.bytes().data()), 5760);
    EXPECT_EQ(line.ask("T!C\xFF"), "T!C" + blankBytes + '\xFF');
    EXPECT_EQ(sim.stop(), 0);
    const QString errors = sim.errors();
    EXPECT_TRUE(errors.contains(QStringLiteral("bad clock offset"))) << errors.toStdString();
    EXPECT_EQ(errors.count(QStringLiteral("skipped a line")), 2) << errors.toStdString();

    // A state file in a folder that does not exist is reported at start.
    SimProcess nowhere;
    ASSERT_TRUE(nowhere.start({QStringLiteral("--state"), dir.filePath(QStringLiteral("missing/device.state"))}));
    EXPECT_EQ(nowhere.stop(), 0);
    EXPECT_TRUE(nowhere.errors().contains(QStringLiteral("cannot write"))) << nowhere.errors().toStdString();
}
