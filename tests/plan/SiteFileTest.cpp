#include "plan/SiteFile.h"
#include "plan/SiteDeviceState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writeText(const QTemporaryDir &dir, const char *text)
{
    const QString path = dir.filePath(QStringLiteral("site.ini"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

} // namespace

TEST(SiteFile, ReadsDevicesAsWrittenByHandAndRefusesOnlyTheFaultyOnes)
{
    QTemporaryDir dir;
    const QString path = writeText(dir,
                                   "[Main building]\nport=/dev/ttyUSB0\nschedule=/home/office/school.mdb\n"
                                   "[Gym]\nport=socket://10.0.0.5:4001\nschedule=/home/office/gym.mdb\n"
                                   "[Hall]\nport=/dev/ttyUSB0\nschedule=/home/office/school.mdb\n"
                                   "[Library]\nschedule=/home/office/school.mdb\n"
                                   "[Annex]\nport=/dev/ttyUSB3\nschedule=/home/office/a,b.mdb\n");
    QString error;
    const Site site = readSite(path, error);
    EXPECT_TRUE(error.isEmpty());
    ASSERT_EQ(site.devices.size(), 2u);
    EXPECT_EQ(site.devices[0], (SiteDevice{"Annex", "/dev/ttyUSB3", "/home/office/a,b.mdb"}));
    EXPECT_EQ(site.devices[1], (SiteDevice{"Gym", "socket://10.0.0.5:4001", "/home/office/gym.mdb"}));
    ASSERT_EQ(site.refused.size(), 3u);
    EXPECT_EQ(site.refused[0].device, "Hall");
    EXPECT_EQ(site.refused[0].fault, SiteFault::SharedPort);
    EXPECT_EQ(site.refused[0].other, "Main building");
    EXPECT_EQ(site.refused[1].device, "Library");
    EXPECT_EQ(site.refused[1].fault, SiteFault::NoPort);
    EXPECT_EQ(site.refused[2].device, "Main building");
    EXPECT_EQ(site.refused[2].other, "Hall");
    EXPECT_EQ(site.find("Gym")->port, "socket://10.0.0.5:4001");
    EXPECT_EQ(site.find("Hall"), nullptr);
}

TEST(SiteFile, WritesTheWholeSiteAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deeper/site.ini"));
    const std::vector<SiteDevice> devices{{"Gym", "socket://10.0.0.5:4001", "/srv/gym.mdb"},
                                          {"Main building", "/dev/ttyUSB0", "/srv/school.mdb"}};
    EXPECT_EQ(writeSite(path, devices), std::nullopt);
    QString error;
    EXPECT_EQ(readSite(path, error).devices, devices);
    // Rewritten whole: a device left out is gone, and no scratch copy stays behind.
    EXPECT_EQ(writeSite(path, {devices[1]}), std::nullopt);
    EXPECT_EQ(readSite(path, error).devices, std::vector<SiteDevice>{devices[1]});
    EXPECT_EQ(
        QDir(dir.filePath(QStringLiteral("deeper"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
        QStringList{QStringLiteral("site.ini")});
}

TEST(SiteFile, AMissingFileIsAnError)
{
    QString error;
    EXPECT_TRUE(readSite(QStringLiteral("/nonexistent/site.ini"), error).devices.empty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(SiteDeviceState, TheNewestEntryAndTheLastClockOffsetSeen)
{
    JournalEntry clock;
    clock.kind = JournalKind::ClockSet;
    clock.clockOffsetSeconds = -12;
    JournalEntry download;
    download.outcome = JournalOutcome::NoResponse;
    download.images.push_back({1, QByteArray(5760, '\0'), {}, {}, false});
    const SiteDeviceState state = siteDeviceState({download, clock}, nullptr);
    ASSERT_TRUE(state.last);
    EXPECT_TRUE(state.lastFailed());
    EXPECT_TRUE(state.last->images.empty());
    EXPECT_EQ(state.clockOffsetSeconds, -12);
    EXPECT_EQ(state.tomorrow, TomorrowState::Unknown);
    EXPECT_FALSE(siteDeviceState({}, nullptr).last);
}
