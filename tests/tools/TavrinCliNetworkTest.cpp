// tavrin-cli on a serial line behind a network address: ser2net in front of tavrin-sim's
// pseudo-terminal, raw TCP and telnet, and the ways a network port fails.
#include "TavrinCliRun.h"

#include "support/Ser2net.h"
#include "support/SimProcess.h"
#include "support/TestPaths.h"
#include "support/TestTimings.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QByteArray kWeekCsv = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
                            "Monday,1,07:00,Melody,12,,0,0,0,1\r\n"
                            "Wednesday,1,23:59,Voice,15,ON,1,1,1,1\r\n"
                            "Sunday,1,10:10,Voice,1,OFF,1,0,0,0\r\n";

// Download, Upload, Compare and the clock against a fresh device on `port`; what the device
// logged of the frames it took and gave.
std::string runTheExchanges(const QTemporaryDir &dir, SimProcess &sim, const QString &port, const QString &label)
{
    const QString sent = dir.filePath(label + QStringLiteral("-sent.mdb"));
    EXPECT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", sent}).status, 0);
    CliRun run = runCli({"download", sent, "--port", port, "--all"});
    EXPECT_EQ(run.status, 0) << label.toStdString() << run.err.toStdString();
    const QString received = dir.filePath(label + QStringLiteral("-received.mdb"));
    run = runCli({"upload", "--port", port, "--to", received});
    EXPECT_EQ(run.status, 0) << label.toStdString() << run.err.toStdString();
    EXPECT_EQ(runCli({"show", received}).out, kWeekCsv) << label.toStdString();
    run = runCli({"compare", sent, "--port", port, "--all"});
    EXPECT_EQ(run.status, 0) << label.toStdString() << run.err.toStdString();
    EXPECT_EQ(runCli({"clock", "--port", port, "--set", "wed 07:05:09"}).status, 0) << label.toStdString();
    run = runCli({"clock", "--port", port});
    EXPECT_TRUE(run.out.startsWith("Wednesday 07:05:")) << label.toStdString() << run.err.toStdString();
    sim.stop();
    // Without the time stamps, and the clock reply's running time, which may differ by a second.
    QString log = sim.output().section(QLatin1Char('\n'), 1);
    log.replace(QRegularExpression(QStringLiteral("^\\[[^]]*\\] ?"), QRegularExpression::MultilineOption), QString());
    log.replace(QRegularExpression(QStringLiteral("^(-> T!.) \\d+ clock$"), QRegularExpression::MultilineOption),
                QStringLiteral("\\1 clock"));
    return log.toStdString();
}

} // namespace

TEST(TavrinCliNetwork, ThroughSer2netRawAndTelnetTheDeviceSeesTheSameFrames)
{
    if (!haveSer2net())
        GTEST_SKIP() << "ser2net is not installed";
    QTemporaryDir dir;
    SimProcess direct;
    ASSERT_TRUE(direct.start({"--verbose"}));
    const std::string expected = runTheExchanges(dir, direct, direct.device(), QStringLiteral("direct"));
    ASSERT_NE(expected.find("set clock"), std::string::npos) << expected;

    for (const bool telnet : {false, true}) {
        SimProcess sim;
        ASSERT_TRUE(sim.start({"--verbose"}));
        Ser2net server(dir, sim.device());
        ASSERT_TRUE(server.running());
        const QString port = telnet ? server.telnet() : server.raw();
        EXPECT_EQ(runTheExchanges(dir, sim, port, telnet ? QStringLiteral("telnet") : QStringLiteral("raw")), expected)
            << port.toStdString();
    }
}

TEST(TavrinCliNetwork, ALineLostInTheMiddleOfAFrameEndsTheTransferAsASilentOne)
{
    if (!haveSer2net())
        GTEST_SKIP() << "ser2net is not installed";
    QTemporaryDir dir;
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--verbose", "--realtime"}));
    Ser2net server(dir, sim.device());
    ASSERT_TRUE(server.running());

    QProcess cli;
    const QString journal = dir.filePath(QStringLiteral("journal.db"));
    cli.start(binPath(QStringLiteral("tavrin-cli")),
              {"upload", "--port", server.telnet(), "--to", dir.filePath(QStringLiteral("week.mdb")), "--journal",
               journal, testSpeedupOption()});
    // The device has begun its answer, which takes seconds at its pace.
    ASSERT_TRUE(sim.waitForOutput(QStringLiteral("-> T!"), 20000)) << sim.output().toStdString();
    server.kill();
    ASSERT_TRUE(cli.waitForFinished(10000));
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 1) << err.toStdString();
    // As when the device falls silent, with the reason.
    EXPECT_TRUE(err.contains("Communication error (Monday not received)")
                && err.contains("The connection to 127.0.0.1:"))
        << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("week.mdb"))));
    const CliRun journalled = runCli({"journal", "--journal", journal});
    EXPECT_TRUE(journalled.out.contains(" upload ") && journalled.out.contains(" no-response "))
        << journalled.out.constData();
}

TEST(TavrinCliNetwork, AnAddressThatRefusesOrNeverAnswersFailsTheOpenInTime)
{
    CliRun run = runCli({"clock", "--port", "socket://localhost"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("rfc2217://HOST:PORT")) << run.err.toStdString();

    const quint16 nobody = freePort();
    run = runCli({"clock", "--port", QStringLiteral("socket://127.0.0.1:%1").arg(nobody)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        run.err.contains(QStringLiteral("Serial Port Open Fail: Connection refused by 127.0.0.1:%1").arg(nobody)))
        << run.err.toStdString();

    // A listener whose backlog is full: the connection is never taken.
    LoopbackSocket full(0);
    std::vector<int> waiting;
    while (waiting.size() < 8 && connectTo(full.port, 200, waiting)) {
    }
    run = runCli({"clock", "--port", QStringLiteral("socket://127.0.0.1:%1").arg(full.port)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("did not answer within")) << run.err.toStdString();

    // One that takes the connection but never answers the telnet negotiation.
    LoopbackSocket mute(8);
    run = runCli({"clock", "--port", QStringLiteral("rfc2217://127.0.0.1:%1").arg(mute.port)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("did not set up the serial line within")) << run.err.toStdString();
    for (int fd : waiting)
        ::close(fd);
}
