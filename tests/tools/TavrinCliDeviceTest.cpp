// tavrin-cli against tavrin-sim on a pseudo-terminal: the device commands end to end.
#include "TavrinCliRun.h"

#include "device/DayImage.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// tavrin-sim running for the length of a test; its first line names the device.
class Simulator {
public:
    explicit Simulator(const QStringList &options = {})
    {
        m_process.start(binPath(QStringLiteral("tavrin-sim")), options);
        if (!m_process.waitForStarted())
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        const QString first = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("device on (\\S+)$")).match(first);
        if (match.hasMatch())
            m_port = match.captured(1);
    }
    ~Simulator()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    const QString &port() const { return m_port; }

private:
    QProcess m_process;
    QString m_port;
};

const QByteArray kHeader = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n";

// The operator's order: not by time, two events sharing 08:30, an entry the image cannot
// hold (channels only), a weekday left empty.
const QByteArray kWeekCsv = kHeader
    + "Monday,1,08:30,Voice,3,ON,1,0,1,0\r\n"
      "Monday,2,07:00,Melody,12,,0,0,0,1\r\n"
      "Monday,3,08:30,Melody,5,,0,1,0,0\r\n"
      "Monday,4,09:00,,0,,1,1,0,0\r\n"
      "Tuesday,1,23:59,,0,OFF,0,0,0,0\r\n"
      "Tuesday,2,00:00,Voice,15,ON,1,1,1,1\r\n"
      "Thursday,1,12:00,Melody,0,ON,0,0,0,1\r\n"
      "Friday,1,06:00,Voice,7,,0,1,0,0\r\n"
      "Saturday,1,18:45,Melody,9,OFF,1,0,0,0\r\n"
      "Sunday,1,10:10,Voice,1,ON,1,0,0,0\r\n";

// As the device holds it: each weekday in time order, one entry per minute.
const QByteArray kWeekAsHeld = kHeader
    + "Monday,1,07:00,Melody,12,,0,0,0,1\r\n"
      "Monday,2,08:30,Melody,5,ON,1,1,1,0\r\n"
      "Tuesday,1,00:00,Voice,15,ON,1,1,1,1\r\n"
      "Tuesday,2,23:59,\" \",0,OFF,0,0,0,0\r\n"
      "Thursday,1,12:00,Melody,0,ON,0,0,0,1\r\n"
      "Friday,1,06:00,Voice,7,,0,1,0,0\r\n"
      "Saturday,1,18:45,Melody,9,OFF,1,0,0,0\r\n"
      "Sunday,1,10:10,Voice,1,ON,1,0,0,0\r\n";

// kWeekCsv imported into week.mdb in dir; its path.
QString importedWeek(const QTemporaryDir &dir)
{
    const QString file = dir.filePath("week.mdb");
    EXPECT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", file}).status, 0);
    return file;
}

} // namespace

TEST(TavrinCliDevice, DownloadThenUploadGivesTheScheduleAsTheDeviceHoldsIt)
{
    Simulator sim;
    ASSERT_FALSE(sim.port().isEmpty()) << "tavrin-sim did not name its device";
    QTemporaryDir dir;
    const QString sent = dir.filePath("sent.mdb");
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", sent}).status, 0);

    CliRun run = runCli({"download", sent, "--port", sim.port(), "--all"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Downloading complete"));
    // Not a terminal: one line per weekday, in the order they went out.
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts).filter(QRegularExpression(": sent$"));
    ASSERT_EQ(lines.size(), 7) << run.err.toStdString();
    for (int d = kMonday; d <= kSunday; ++d)
        EXPECT_EQ(lines[d - 1], QString::fromLatin1(weekdayName(d).data()) + ": sent");

    // Into a new file, made from the template.
    const QString received = dir.filePath("received.mdb");
    run = runCli({"upload", "--port", sim.port(), "--to", received});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Uploading complete"));
    EXPECT_EQ(runCli({"show", received}).out, kWeekAsHeld);

    // The same as re-sorting each weekday through its image.
    WeeklySchedule week;
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(kWeekCsv.toStdString(), week, errors));
    for (int d = kMonday; d <= kSunday; ++d) {
        DayImage image;
        image.Encode(week.day(d));
        week.day(d).copyFrom(image.Decode());
    }
    EXPECT_EQ(QByteArray::fromStdString(scheduleCsv(week)), kWeekAsHeld);

    // ALL Clear, then reading two weekdays into the file: they come back empty, the others stay.
    run = runCli({"download", sent, "--port", sim.port(), "--clear"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("ALL Clear H: sent"));
    run = runCli({"upload", "--port", sim.port(), "--to", received, "--days", "mon,sun"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QByteArray expected = kWeekAsHeld;
    expected.replace("Monday,1,07:00,Melody,12,,0,0,0,1\r\nMonday,2,08:30,Melody,5,ON,1,1,1,0\r\n", "");
    expected.replace("Sunday,1,10:10,Voice,1,ON,1,0,0,0\r\n", "");
    EXPECT_EQ(runCli({"show", received}).out, expected);
}

TEST(TavrinCliDevice, NoiseOnTheLineChangesNothing)
{
    // A NUL, a CR and an image-like byte before every answer, CR LF after it.
    Simulator sim({"--noise", "000d30", "--trail", "0d0a", "--chunk", "700"});
    ASSERT_FALSE(sim.port().isEmpty());
    QTemporaryDir dir;
    const QString sent = dir.filePath("sent.mdb");
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", sent}).status, 0);
    CliRun run = runCli({"download", sent, "--port", sim.port(), "--all"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString received = dir.filePath("received.mdb");
    run = runCli({"upload", "--port", sim.port(), "--to", received});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(runCli({"show", received}).out, kWeekAsHeld);
    run = runCli({"clock", "--port", sim.port()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
}

// One image reply with a byte read as 0xFF is a Line Error; the next weekday still comes.
TEST(TavrinCliDevice, AFlippedByteCostsOnlyItsWeekday)
{
    QTemporaryDir dir;
    const QString sent = importedWeek(dir);
    Simulator flipping({"--flip", "100", "--chunk", "700"});
    ASSERT_FALSE(flipping.port().isEmpty());
    ASSERT_EQ(runCli({"download", sent, "--port", flipping.port(), "--days", "mon,tue"}).status, 0);
    const QString two = dir.filePath("two.mdb");
    const CliRun run = runCli({"upload", "--port", flipping.port(), "--to", two, "--days", "mon,tue"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Line Error: Monday kept as before")) << run.err.toStdString();
    const QByteArray shown = runCli({"show", two}).out;
    EXPECT_TRUE(shown.contains("Tuesday,1,00:00,Voice,15")) << shown.constData();
}

TEST(TavrinCliDevice, SetsAndReadsTheClock)
{
    Simulator sim;
    ASSERT_FALSE(sim.port().isEmpty());
    CliRun run = runCli({"clock", "--port", sim.port(), "--set", "wed 07:05:09"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    run = runCli({"clock", "--port", sim.port()});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // The device's clock runs on from the time set.
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^Wednesday 07:05:(09|1\\d)\nDevice: Wednesday 07:05:\\d\\d, .* this computer\n$"))
                    .match(QString::fromLatin1(run.out))
                    .hasMatch())
        << run.out.toStdString();
}

// As under systemd: no display and no platform plugin named, yet device and file commands work.
TEST(TavrinCliDevice, DeviceAndFileCommandsNeedNoDisplay)
{
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        headless.remove(QString::fromLatin1(name));
    Simulator sim;
    ASSERT_FALSE(sim.port().isEmpty());
    QTemporaryDir dir;
    const QString file = dir.filePath("week.mdb");
    CliRun run = runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", file}, {}, 120000, headless);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    run = runCli({"download", file, "--port", sim.port(), "--days", "thu"}, {}, 120000, headless);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    run = runCli({"clock", "--port", sim.port()}, {}, 120000, headless);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    run = runCli({"show", file}, {}, 120000, headless);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kWeekCsv);
}

// The device's failures end with the dialogs' texts and status 1, one case a failure.
TEST(TavrinCliDevice, ARefusedImageHaltsTheDownloadThereOnce)
{
    QTemporaryDir dir;
    const QString file = importedWeek(dir);
    Simulator sim({"--refuse", "D"});
    ASSERT_FALSE(sim.port().isEmpty());
    const CliRun run = runCli({"download", file, "--port", sim.port(), "--all"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.count(".. (the device refused Wednesday)"), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Tuesday: sent"));
    EXPECT_FALSE(run.err.contains("Thursday"));
    EXPECT_FALSE(run.err.contains("Downloading complete"));
}

TEST(TavrinCliDevice, ImagesFailingTheLineCheckKeepWhatTheFileHeld)
{
    QTemporaryDir dir;
    const QString file = importedWeek(dir);
    Simulator sim({"--corrupt-upload"});
    ASSERT_FALSE(sim.port().isEmpty());
    const QString journal = dir.filePath("journal.sqlite");
    const CliRun run =
        runCli({"upload", "--port", sim.port(), "--to", file, "--days", "mon,fri", "--journal", journal});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Monday: Line Error")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Line Error: Monday, Friday kept as before")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Uploading complete")) << run.err.toStdString();
    EXPECT_EQ(runCli({"show", file}).out, kWeekCsv);
    // Nothing taken is no completed upload.
    EXPECT_TRUE(runCli({"journal", "--journal", journal})
                    .out.contains(QByteArray(" upload " + sim.port().toLatin1() + " line-error - -")));

    // Into a new file: nothing received, so no file.
    const QString fresh = dir.filePath("fresh.mdb");
    EXPECT_EQ(runCli({"upload", "--port", sim.port(), "--to", fresh, "--days", "sat"}).status, 1);
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST(TavrinCliDevice, ASilentDeviceOrAClockReplyWithNoTimeFailsTheClock)
{
    {
        // The clock exchange has no time-out of its own; the command gives up on a silent device.
        Simulator sim({"--silent"});
        ASSERT_FALSE(sim.port().isEmpty());
        const CliRun run = runCli({"clock", "--port", sim.port()});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("Make no Response")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    {
        // An answer that gives no time is reported with what arrived.
        Simulator sim({"--cut", "5", "--trail", "ff"});
        ASSERT_FALSE(sim.port().isEmpty());
        const CliRun run = runCli({"clock", "--port", sim.port()});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("unreadable: 54 21")) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("Make no Response"));
    }
}

TEST(TavrinCliDevice, ATargetThatCannotBeWrittenIsFoundBeforeTheDeviceIsRead)
{
    Simulator sim;
    ASSERT_FALSE(sim.port().isEmpty());
    const CliRun run = runCli({"upload", "--port", sim.port(), "--to", "/nonexistent-folder/x.mdb"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("cannot be written")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Monday")) << run.err.toStdString();
}

TEST(TavrinCliDevice, CompareTellsWhatTheDeviceHoldsAgainstTheFile)
{
    Simulator sim;
    ASSERT_FALSE(sim.port().isEmpty());
    QTemporaryDir dir;
    const QString file = importedWeek(dir);

    CliRun run = runCli({"download", file, "--port", sim.port(), "--all", "--verify"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Verified")) << run.err.toStdString();
    run = runCli({"compare", file, "--port", sim.port()});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "Monday: same\nTuesday: same\nWednesday: same\nThursday: same\nFriday: same\n"
              "Saturday: same\nSunday: same\n");

    // Someone else puts one bell on Wednesday.
    const QString other = dir.filePath("other.mdb");
    ASSERT_EQ(runCli({"import", writeFile(dir, "other.csv", kHeader + "Wednesday,1,07:05,Melody,3,ON,1,0,0,0\r\n"),
                      "--to", other})
                  .status,
              0);
    ASSERT_EQ(runCli({"download", other, "--port", sim.port(), "--days", "wed"}).status, 0);
    run = runCli({"compare", file, "--port", sim.port(), "--days", "wed,mon"});
    EXPECT_EQ(run.status, 3) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "Monday: same\nWednesday: differs in 1 minute\n"
              "Wednesday 07:05  file: (none)  device: AM 07:05 Melody 3 ON 1 0 0 0\n");
}

TEST(TavrinCliDevice, CompareAndVerifyFindASilentOrForgetfulDeviceOut)
{
    QTemporaryDir dir;
    const QString file = importedWeek(dir);
    Simulator silent({"--silent"});
    ASSERT_FALSE(silent.port().isEmpty());
    CliRun run = runCli({"compare", file, "--port", silent.port(), "--days", "mon"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Communication error")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(runCli({"compare", file}).status, 2);

    // A device that says yes to Monday but keeps its old one is found out by --verify.
    Simulator forgetful({"--forget", "B"});
    ASSERT_FALSE(forgetful.port().isEmpty());
    run = runCli({"download", file, "--port", forgetful.port(), "--all", "--verify"});
    EXPECT_EQ(run.status, 3) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("does not hold what was sent: Monday")) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith("Monday: differs in")) << run.out.toStdString();
}

TEST(TavrinCliDevice, JournalsEachTransferAndAJournalThatCannotBeWrittenStopsNothing)
{
    Simulator sim;
    ASSERT_FALSE(sim.port().isEmpty());
    QTemporaryDir dir;
    const QString file = dir.filePath("week.mdb");
    const QString journal = dir.filePath("journal.sqlite");
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", file}).status, 0);
    // Before the send, what Monday's image cannot carry as entered; the send goes on.
    const CliRun sent = runCli({"download", file, "--port", sim.port(), "--days", "mon,thu", "--journal", journal});
    ASSERT_EQ(sent.status, 0);
    EXPECT_TRUE(sent.err.contains("Monday 08:30: entries 1, 3")) << sent.err.toStdString();
    EXPECT_TRUE(sent.err.contains("Monday, entry 4: 09:00 has neither Melody/Voice nor AC")) << sent.err.toStdString();
    ASSERT_EQ(runCli({"upload", "--port", sim.port(), "--to", dir.filePath("back.mdb"), "--days", "thu", "--journal",
                      journal})
                  .status,
              0);

    // Newest first; the image sent on Thursday is the one that came back.
    const CliRun run = runCli({"journal", "--journal", journal});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = QString::fromLatin1(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
    const QRegularExpression form(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d (\\S+) (\\S+) (\\S+) (\\S+) (\\S+)$"));
    const QRegularExpressionMatch upload = form.match(lines[0]), download = form.match(lines[1]);
    ASSERT_TRUE(upload.hasMatch() && download.hasMatch()) << run.out.toStdString();
    EXPECT_EQ(upload.captured(1), "upload");
    EXPECT_EQ(upload.captured(2), sim.port());
    EXPECT_EQ(upload.captured(3), "completed");
    EXPECT_EQ(upload.captured(4), "Thu");
    EXPECT_EQ(download.captured(1), "download");
    EXPECT_EQ(download.captured(4), "Mon,Thu");
    EXPECT_EQ(download.captured(5).split(',').value(1), upload.captured(5));
    EXPECT_EQ(runCli({"journal", "--journal", journal, "--last", "1"}).out.count('\n'), 1);
    EXPECT_TRUE(runCli({"journal", "--journal", journal, "--port", "elsewhere"}).out.isEmpty());

    // A port that does not open: said, and journalled with no weekday, for every command that
    // would have changed the device.
    const QString nowhere = dir.filePath("no-such-port");
    const QString failedJournal = dir.filePath("failed.sqlite");
    for (const QStringList &command :
         {QStringList{"download", file, "--days", "mon"}, QStringList{"upload", "--to", dir.filePath("x.mdb")},
          QStringList{"clock", "--now"}}) {
        const CliRun failed = runCli(command + QStringList{"--port", nowhere, "--journal", failedJournal});
        EXPECT_EQ(failed.status, 1);
        EXPECT_TRUE(failed.err.contains("Serial Port Open Fail")) << failed.err.toStdString();
    }
    const QByteArray failures = runCli({"journal", "--journal", failedJournal}).out;
    for (const char *kind : {" clock-set ", " upload ", " download "})
        EXPECT_TRUE(failures.contains(QByteArray(kind + nowhere.toLatin1() + " port-failed - -")))
            << failures.constData();

    // A folder where the journal's file should be: the send still completes, with a warning.
    const CliRun blocked = runCli({"download", file, "--port", sim.port(), "--days", "mon", "--journal", dir.path()});
    EXPECT_EQ(blocked.status, 0);
    EXPECT_TRUE(blocked.err.contains("Downloading complete"));
    EXPECT_EQ(blocked.err.count("The transfer journal could not be written"), 1) << blocked.err.toStdString();
}
