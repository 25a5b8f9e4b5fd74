// tavrin-cli sync and plan against tavrin-sim: the week ahead follows the calendar.
#include "TavrinCliRun.h"

#include "device/DayImage.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "support/MakeEntry.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kExam = 9;

QByteArray imageBytes(const DaySchedule &day)
{
    DayImage image;
    image.Encode(day);
    return QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(DayImage::kSize));
}

// The image the simulator keeps for a weekday in its state file.
QByteArray heldImage(const QString &state, int weekday)
{
    QFile file(state);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray prefix = QByteArray(1, dayCodeForDay(weekday)) + ' ';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(2);
    }
    return {};
}

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

// A line as plan prints it: the date, then the rest.
std::string planLine(const QDate &date, const char *rest)
{
    return isoDate(date).toStdString() + ' ' + rest + '\n';
}

// One Melody at 08:00 on every weekday, and the day program "Exam day" (a Voice at 09:00) that
// the calendar plays on `exam`.
void fillWithAnExamDay(WeeklySchedule &week, const QDate &exam, const QString &note)
{
    for (int d = kMonday; d <= kSunday; ++d)
        week.day(d).append(makeEntry(8, d, "Melody", d, "ON", "1000"));
    ProgramCalendar special;
    special.programs.push_back({kExam, "Exam day"});
    special.calendar.push_back({exam, exam, kExam, note});
    week.setProgramCalendar(special);
    week.day(kExam).append(makeEntry(9, 0, "Voice", 2, "ON", "0100"));
}

} // namespace

TEST(TavrinCliSync, SendsOnlyTheWeekdaysTheCalendarChangesAndBringsTheRegularOneBack)
{
    // Next Wednesday is an exam day with a program of its own.
    QDate exam = QDate::currentDate().addDays(1);
    while (exam.dayOfWeek() != kWednesday)
        exam = exam.addDays(1);
    const QDate mondayBefore = exam.addDays(-2), dayAfter = exam.addDays(1);

    QTemporaryDir dir;
    const QString file = dir.filePath("school.mdb");
    const QString journal = dir.filePath("journal.sqlite");
    const QString state = dir.filePath("sim.state");
    WeeklySchedule week;
    fillWithAnExamDay(week, exam, "maths");
    week.day(kExam).append(makeEntry(11, 30, "Voice", 3, "", "0100"));
    ASSERT_TRUE(ScheduleFiles(week).Save(file));

    SimProcess sim;
    ASSERT_TRUE(sim.start({"--state", state}));
    const QStringList port = {"--port", sim.device(), "--journal", journal};

    // A fresh journal knows nothing: the whole regular week goes.
    CliRun run = runCli(QStringList{"sync", file, "--from", isoDate(dayAfter)} + port);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count('\n'), 7) << run.out.constData();
    EXPECT_TRUE(run.err.contains("Downloading complete")) << run.err.toStdString();
    EXPECT_TRUE(heldImage(state, kWednesday) == imageBytes(week.day(kWednesday)));

    // The week of the exam: Wednesday alone, with the exam's image.
    run = runCli(QStringList{"sync", file, "--from", isoDate(mondayBefore), "--dry-run"} + port);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.toStdString(), planLine(exam, "Wed Exam day (2 events)"));
    EXPECT_TRUE(heldImage(state, kWednesday) == imageBytes(week.day(kWednesday)));
    EXPECT_FALSE(run.err.contains("up to date")) << run.err.toStdString(); // tomorrow, Tuesday, is held
    run = runCli(QStringList{"plan", file, "--from", isoDate(exam.addDays(-1)), "--days", "2"} + port);
    EXPECT_EQ(run.out.toStdString(),
              planLine(exam.addDays(-1), "Tue Tuesday (1 event)") + planLine(exam, "Wed Exam day (2 events)")
                  + "device " + sim.device().toStdString() + " for " + isoDate(exam).toStdString()
                  + ": not up to date\n");

    run = runCli(QStringList{"sync", file, "--from", isoDate(mondayBefore)} + port);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), planLine(exam, "Wed Exam day (2 events)"));
    EXPECT_TRUE(run.err.contains("Wednesday: sent")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Tuesday")) << run.err.toStdString();
    EXPECT_TRUE(heldImage(state, kWednesday) == imageBytes(week.day(kExam)));
    EXPECT_TRUE(heldImage(state, kTuesday) == imageBytes(week.day(kTuesday)));

    // From the day after, the regular Wednesday goes back; then nothing is left to send.
    run = runCli(QStringList{"sync", file, "--from", isoDate(dayAfter)} + port);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), planLine(exam.addDays(7), "Wed Wednesday (1 event)"));
    EXPECT_TRUE(heldImage(state, kWednesday) == imageBytes(week.day(kWednesday)));
    run = runCli(QStringList{"sync", file, "--from", isoDate(dayAfter)} + port);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "nothing to send\n");
    EXPECT_FALSE(run.err.contains("sent")) << run.err.toStdString();
}

TEST(TavrinCliSync, ASendCutShortFailsAndWarnsThatTomorrowMayNotBeReady)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("week.mdb");
    ASSERT_EQ(runCli({"import",
                      writeFile(dir, "week.csv",
                                "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
                                "Tuesday,1,08:00,Melody,1,ON,1,0,0,0\r\n"),
                      "--to", file})
                  .status,
              0);
    // Tuesday goes out, then the device refuses Wednesday: the send did not complete.
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--refuse", "D"}));
    const CliRun run = runCli(
        {"sync", file, "--port", sim.device(), "--journal", dir.filePath("journal.sqlite"), "--from", "2027-03-08"});
    EXPECT_EQ(run.status, 1);
    // Only what the device took is printed; the rest is named as not sent.
    EXPECT_EQ(run.out.toStdString(), "2027-03-08 Mon Monday (0 events)\n2027-03-09 Tue Tuesday (1 event)\n");
    EXPECT_TRUE(run.err.contains("not sent: Wednesday, Thursday, Friday, Saturday, Sunday")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("the device refused Wednesday")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("may not be up to date for 2027-03-09 (Tuesday)")) << run.err.toStdString();
}

// After sync has put the exam on Wednesday's code: download warns but sends what it is told, and
// upload keeps the program out of the regular Wednesday unless --into-weekdays says otherwise.
TEST(TavrinCliSync, ADayProgramOnTheDeviceStaysOutOfItsWeekdayUnlessAsked)
{
    const QDate today = QDate::currentDate();
    const QDate exam = today.addDays((kWednesday - today.dayOfWeek() + 7) % 7); // in the week ahead
    QTemporaryDir dir;
    const QString file = dir.filePath("school.mdb");
    const QString state = dir.filePath("sim.state");
    WeeklySchedule week;
    fillWithAnExamDay(week, exam, QString());
    ASSERT_TRUE(ScheduleFiles(week).Save(file));
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--state", state}));
    const QStringList port = {"--port", sim.device(), "--journal", dir.filePath("journal.sqlite")};

    CliRun run = runCli(QStringList{"download", file, "--days", "wed"} + port);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("warning: Wednesday " + isoDate(exam) + " plays the day program Exam day"))
        << run.err.toStdString();
    EXPECT_TRUE(heldImage(state, kWednesday) == imageBytes(week.day(kWednesday)));

    ASSERT_EQ(runCli(QStringList{"sync", file, "--from", isoDate(exam)} + port).status, 0);
    ASSERT_TRUE(heldImage(state, kWednesday) == imageBytes(week.day(kExam)));
    run = runCli(QStringList{"upload", "--to", file, "--days", "wed"} + port);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Wednesday: the device holds the day program Exam day there; not stored"))
        << run.err.toStdString();
    EXPECT_TRUE(runCli({"show", file, "--day", "wed"}).out.contains("08:03")); // the regular Wednesday

    run = runCli(QStringList{"upload", "--to", file, "--days", "wed", "--into-weekdays"} + port);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QByteArray wednesday = runCli({"show", file, "--day", "wed"}).out;
    EXPECT_TRUE(wednesday.contains("09:00") && !wednesday.contains("08:03")) << wednesday.constData();
}

TEST(TavrinCliBells, BellsOffSendsTodayBlankAloneAndBellsOnBringsItBack)
{
    const QDate today = QDate::currentDate();
    const int weekday = today.dayOfWeek();
    QTemporaryDir dir;
    const QString file = dir.filePath("school.mdb");
    const QString state = dir.filePath("sim.state");
    WeeklySchedule week;
    fillWithAnExamDay(week, today.addDays(30), "maths");
    ASSERT_TRUE(ScheduleFiles(week).Save(file));
    SimProcess sim;
    ASSERT_TRUE(sim.start({"--state", state}));
    const QStringList port = {"--port", sim.device(), "--journal", dir.filePath("journal.sqlite")};
    // No systemctl on the path: the user's own timer is never asked.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH", dir.path());

    CliRun run = runCli(QStringList{"bells-off", file} + port, {}, 120000, environment);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const std::string weekdayName = QLocale::c().dayName(weekday).toStdString();
    EXPECT_EQ(run.out.toStdString(), isoDate(today).toStdString() + ' ' + weekdayName + " No bells\n");
    EXPECT_EQ(heldImage(state, weekday), imageBytes(DaySchedule()));
    EXPECT_EQ(run.err.count(": sent"), 1) << run.err.toStdString(); // no other weekday
    EXPECT_TRUE(run.err.contains("evening sync timer")) << run.err.toStdString();
    EXPECT_TRUE(runCli({"calendar", file, "list"}).out.contains(" No bells Bells off\n"));

    run = runCli(QStringList{"bells-on", file} + port);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(heldImage(state, weekday), imageBytes(week.day(weekday)));
    EXPECT_EQ(runCli(QStringList{"bells-on", file} + port).status, 1); // not off any more
}
