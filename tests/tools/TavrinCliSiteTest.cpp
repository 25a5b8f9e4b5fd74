// tavrin-cli over a site: several devices at once, one of them silent, one behind ser2net.
#include "TavrinCliRun.h"

#include "support/Ser2net.h"
#include "support/SimProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kWeekCsv = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
                            "Monday,1,07:00,Melody,12,,0,0,0,1\r\n"
                            "Friday,1,12:30,Voice,15,ON,1,1,1,1\r\n";

QStringList linesOf(const QString &text)
{
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(TavrinCliSite, SyncRunsEveryDeviceAndNamesTheSilentOne)
{
    if (!haveSer2net())
        GTEST_SKIP() << "ser2net is not installed";
    QTemporaryDir dir;
    SimProcess hall, gym, silent;
    ASSERT_TRUE(hall.start());
    ASSERT_TRUE(gym.start());
    ASSERT_TRUE(silent.start({"--silent"}));
    Ser2net server(dir, gym.device());
    ASSERT_TRUE(server.running());

    const QString school = dir.filePath(QStringLiteral("school.mdb"));
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", school}).status, 0);
    const QString site = writeFile(dir, "site.ini",
                                   QStringLiteral("[Hall]\nport=%1\nschedule=%4\n[Gym]\nport=%2\nschedule=%4\n"
                                                  "[Annex]\nport=%3\nschedule=%4\n")
                                       .arg(hall.device(), server.raw(), silent.device(), school)
                                       .toUtf8());
    const QString journal = dir.filePath(QStringLiteral("journal.db"));

    const CliRun run = runCli({"sync", "--site", site, "--journal", journal});
    EXPECT_EQ(run.status, 1) << run.err.toStdString();
    for (const QString &line : linesOf(QString::fromUtf8(run.out)) + linesOf(run.err)) {
        EXPECT_TRUE(line.startsWith("Hall: ") || line.startsWith("Gym: ") || line.startsWith("Annex: ")
                    || line == "tavrin-cli: failed: Annex")
            << line.toStdString();
    }
    EXPECT_EQ(QString::fromUtf8(run.out).count(QStringLiteral("Hall: ")), 7);
    EXPECT_EQ(QString::fromUtf8(run.out).count(QStringLiteral("Gym: ")), 7);
    EXPECT_TRUE(run.err.contains("Annex: tavrin-cli") || run.err.contains("Annex: ")) << run.err.toStdString();

    // Each device's transfer is journalled under its own port; the listing tells what it holds.
    for (const QString &port : {hall.device(), server.raw()}) {
        const CliRun entries = runCli({"journal", "--journal", journal, "--port", port});
        EXPECT_TRUE(QString::fromUtf8(entries.out).contains("download " + port + " completed"))
            << entries.out.toStdString();
    }
    const CliRun listed = runCli({"site", "--site", site, "--journal", journal});
    EXPECT_EQ(listed.status, 0) << listed.err.toStdString();
    const QStringList lines = linesOf(QString::fromUtf8(listed.out));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Annex  " + silent.device() + "  " + school + "  tomorrow: unknown  last: "))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("Gym  " + server.raw() + "  " + school + "  tomorrow: up to date  last: "));
    EXPECT_TRUE(lines[1].endsWith(" download completed")) << lines[1].toStdString();
}

TEST(TavrinCliSite, CheckDeviceDecidesFromWhatTheDeviceHoldsNotFromThisJournal)
{
    QTemporaryDir dir;
    SimProcess sim;
    ASSERT_TRUE(sim.start());
    const QString school = dir.filePath(QStringLiteral("school.mdb"));
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", school}).status, 0);
    // Another desk brought the device up to date; this computer's journal knows nothing of it.
    const QString other = dir.filePath(QStringLiteral("other.db"));
    ASSERT_EQ(runCli({"sync", school, "--port", sim.device(), "--journal", other}).status, 0);

    const QString journal = dir.filePath(QStringLiteral("journal.db"));
    const CliRun run = runCli({"sync", school, "--port", sim.device(), "--check-device", "--journal", journal});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "nothing to send\n");
    EXPECT_TRUE(runCli({"journal", "--journal", journal}).out.contains(" comparison ")) << run.err.toStdString();
}
