// tavrin-cli run as the operator runs it: files, exit statuses and messages.
#include "schedule/ScheduleFileSupport.h"
#include "TavrinCliRun.h"

#include "device/DayImage.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Rows as show writes them: Monday to Sunday, positions in order, operator's order of times.
const QByteArray kWeekCsv = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
                            "Monday,1,08:30,Voice,3,ON,1,0,1,0\r\n"
                            "Monday,2,07:00,Melody,12,,0,0,0,1\r\n"
                            "Monday,3,08:30,Melody,5,,0,1,0,0\r\n"
                            "Wednesday,1,23:59,\" \",0,OFF,0,0,0,0\r\n"
                            "Wednesday,2,00:00,Melody,15,ON,1,1,1,1\r\n"
                            "Sunday,1,12:00,,0,,1,0,0,0\r\n";

} // namespace

TEST(TavrinCli, ShowAfterImportGivesTheSameCsv)
{
    QTemporaryDir dir;
    const QString csv = writeFile(dir, "week.csv", kWeekCsv);
    const QString file = dir.filePath("week.mdb");

    const CliRun imported = runCli({"import", csv, "--to", file});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun shown = runCli({"show", file});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, kWeekCsv);

    const CliRun wednesday = runCli({"show", file, "--day", "WED"});
    EXPECT_EQ(wednesday.out,
              "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
              "Wednesday,1,23:59,\" \",0,OFF,0,0,0,0\r\n"
              "Wednesday,2,00:00,Melody,15,ON,1,1,1,1\r\n");

    // Importing onto an existing file replaces the whole week; standard input serves as CSV.
    const QByteArray friday = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
                              "Friday,1,06:15,Voice,1,ON,1,0,0,0\r\n";
    ASSERT_EQ(runCli({"import", "-", "--to", file}, friday).status, 0);
    EXPECT_EQ(runCli({"show", file}).out, friday);
}

TEST(TavrinCli, ProgramsAndTheCalendarGoThroughTheFileAsTheyCame)
{
    const QByteArray csv = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4,program\r\n"
                           "Monday,1,08:30,Voice,3,ON,1,0,1,0,\r\n"
                           "program,1,09:00,Melody,1,ON,1,0,0,0,Exam day\r\n"
                           "program,,,,,,,,,,Half day\r\n"
                           "\r\n"
                           "first,last,program,note\r\n"
                           "2026-12-19,2027-01-06,No bells,Winter holidays\r\n"
                           "2027-01-04,2027-01-04,Exam day,\r\n";
    QTemporaryDir dir;
    const QString file = dir.filePath("week.mdb");
    const CliRun imported = runCli({"import", writeFile(dir, "week.csv", csv), "--to", file});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun shown = runCli({"show", file});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, csv);

    // A calendar row the program cannot show is left out, and said where it was.
    storetest::runSql(file, {"INSERT INTO Calendar VALUES(3,'2027-13-01','2027-13-01',8,'')"});
    const CliRun odd = runCli({"show", file});
    EXPECT_EQ(odd.status, 0);
    EXPECT_EQ(odd.out, csv);
    EXPECT_TRUE(odd.err.contains("Calendar: 1 row with a date that is not YYYY-MM-DD")) << odd.err.toStdString();
}

TEST(TavrinCli, ImageIsTheDayImageOfTheWeekday)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("week.mdb");
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", file}).status, 0);

    WeeklySchedule week;
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(kWeekCsv.toStdString(), week, errors));
    for (int day : {kMonday, kWednesday, kThursday}) {
        DayImage expected;
        expected.Encode(week.day(day));
        const QByteArray expectedBytes(reinterpret_cast<const char *>(expected.bytes().data()), DayImage::kSize);

        const CliRun raw = runCli({"image", file, "--day", QString::fromLatin1(weekdayName(day).data())});
        ASSERT_EQ(raw.status, 0) << raw.err.toStdString();
        EXPECT_EQ(raw.out, expectedBytes) << day;

        const CliRun hex =
            runCli({"image", file, "--day", QString::fromLatin1(weekdayName(day).substr(0, 3).data(), 3), "--hex"});
        ASSERT_EQ(hex.status, 0);
        const QList<QByteArray> lines = hex.out.split('\n');
        ASSERT_EQ(lines.size(), 91); // 90 lines of 64 bytes, and the end of the last
        EXPECT_EQ(lines.front().size(), 128);
        EXPECT_EQ(QByteArray::fromHex(hex.out), expectedBytes);
    }
}

TEST(TavrinCli, BadInputGivesItsStatusAndMessage)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("week.mdb");

    // Bad rows: each named by its line, and no file made.
    const QString bad = writeFile(dir, "bad.csv",
                                  "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\n"
                                  "Monday,1,07:00,Melody,1,ON,1,0,0,0\n"
                                  "Funday,1,07:00,Melody,1,ON,1,0,0,0\n"
                                  "Monday,2,7h,Melody,1,ON,1,0,0,0\n");
    CliRun run = runCli({"import", bad, "--to", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("bad.csv:3: unknown weekday \"Funday\"")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("bad.csv:4: time \"7h\"")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(file));

    // A good import, then a bad one onto it: the file keeps what it held.
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", file}).status, 0);
    EXPECT_EQ(runCli({"import", bad, "--to", file}).status, 1);
    EXPECT_EQ(runCli({"show", file}).out, kWeekCsv);

    // Usage: unknown weekday names, missing port, unknown command, missing arguments.
    for (const QStringList &args :
         {QStringList{"show", file, "--day", "Funday"}, QStringList{"image", file, "--day", "mo"},
          QStringList{"download", file, "--port", "/dev/null", "--days", "mon,xyz"},
          QStringList{"clock", "--port", "/dev/null", "--set", "Thurs 07:00:00"}}) {
        run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("unknown weekday")) << run.err.toStdString();
    }
    for (const QStringList &args :
         {QStringList{"download", file, "--all"}, QStringList{"upload", "--to", file}, QStringList{"clock"}}) {
        run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("no serial port given")) << run.err.toStdString();
    }
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({"download", file, "--port", "x", "--all", "--clear"}).status, 2);
    EXPECT_EQ(runCli({"image", file}).status, 2);
    EXPECT_EQ(runCli({"clock", "--port", "x", "--set", "Mon 24:00:00"}).status, 2);
    // dates whose week ahead (or --days) runs past the last four-digit year
    run = runCli({"plan", file, "--from", "9999-12-28"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("past 9999-12-31")) << run.err.toStdString();
    EXPECT_EQ(runCli({"sync", file, "--port", "x", "--from", "9999-12-26"}).status, 2);

    // A port that is not there, a file that is not there or not a schedule.
    run = runCli({"download", file, "--port", dir.filePath("no-such-port"), "--all"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Serial Port Open Fail")) << run.err.toStdString();
    run = runCli({"clock", "--port", dir.filePath("no-such-port")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Serial Port Open Fail")) << run.err.toStdString();
    EXPECT_EQ(runCli({"show", dir.filePath("missing.mdb")}).status, 1);
    run = runCli({"show", bad});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("DB Loading Error !")) << run.err.toStdString();

    // A file carrying a trigger: read as usual, written into only with --remove-triggers.
    storetest::runSql(file, {"CREATE TRIGGER wipe AFTER INSERT ON Sunday BEGIN DELETE FROM Monday; END"});
    EXPECT_EQ(runCli({"show", file}).out, kWeekCsv);
    const QString week = writeFile(dir, "week.csv", kWeekCsv);
    run = runCli({"import", week, "--to", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("triggers or views (wipe)")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("--remove-triggers")) << run.err.toStdString();
    run = runCli({"upload", "--port", dir.filePath("no-such-port"), "--to", file});
    EXPECT_TRUE(run.err.contains("--remove-triggers")) << run.err.toStdString(); // before the port is tried
    ASSERT_EQ(runCli({"import", week, "--to", file, "--remove-triggers"}).status, 0);
    EXPECT_EQ(runCli({"show", file}).out, kWeekCsv);
    EXPECT_EQ(storetest::queryRows(file, "SELECT count(*) FROM sqlite_master WHERE type = 'trigger'"),
              QStringList{"0"});

    // An Access database of the original program is named as one.
    QFile mdb(dir.filePath("access.mdb"));
    ASSERT_TRUE(mdb.open(QIODevice::WriteOnly));
    mdb.write(QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(4096, '\0'));
    mdb.close();
    run = runCli({"show", mdb.fileName()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("is a Microsoft Access database")) << run.err.toStdString();

    // Help for each command.
    for (const char *verb : {"show", "import", "download", "upload", "clock", "image"}) {
        run = runCli({verb, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.startsWith(QByteArray("Usage: tavrin-cli ") + verb)) << verb;
    }
    EXPECT_EQ(runCli({"--help"}).status, 0);
}

TEST(TavrinCli, WhatShowPrintsImportReadsBackIntoTheSameSchedule)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("foreign.mdb");
    ASSERT_EQ(runCli({"import", writeFile(dir, "week.csv", kWeekCsv), "--to", file}).status, 0);
    // What a foreign or damaged file may hold: a gap in the ids, short times, formulas, bytes
    // that are no text.
    storetest::runSql(file,
                      {"DELETE FROM Monday WHERE ID = 2",
                       "UPDATE Monday SET Time = '           7:05', MelodyVoice = '=cmd|'' /C calc''!A0' WHERE ID = 1",
                       "UPDATE Monday SET Time = '07:5' WHERE ID = 3",
                       "UPDATE Wednesday SET Time = 'noon', CH1 = CAST(X'FF31' AS TEXT) WHERE ID = 1"});

    const CliRun shown = runCli({"show", file});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains("Monday,1,07:05,'=cmd|' /C calc'!A0,3,ON,1,0,1,0\r\n")) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("Monday,2,,,,,,,,\r\n")) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("Monday,3,07:05,Melody,5,,0,1,0,0\r\n")) << shown.out.toStdString();
    // The byte that is no text is left out, not replaced.
    EXPECT_TRUE(shown.out.contains("Wednesday,1,'noon,\" \",0,OFF,1,")) << shown.out.toStdString();
    EXPECT_TRUE(shown.err.contains("CSV line 5: Wednesday id 1: ch1 is not UTF-8")) << shown.err.toStdString();

    const QString copy = dir.filePath("copy.mdb");
    const CliRun imported = runCli({"import", "-", "--to", copy}, shown.out);
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun again = runCli({"show", copy});
    EXPECT_EQ(again.out, shown.out);
    EXPECT_TRUE(again.err.isEmpty()) << again.err.toStdString();
    EXPECT_EQ(storetest::queryRows(copy, "SELECT MelodyVoice FROM Monday WHERE ID = 1"),
              QStringList{"=cmd|' /C calc'!A0"});

    // A CSV far larger than a week is refused before it is read.
    const CliRun huge = runCli({"import", "-", "--to", copy}, QByteArray(5 * 1024 * 1024, '\n'));
    EXPECT_EQ(huge.status, 1);
    EXPECT_TRUE(huge.err.contains("larger than 4 MB")) << huge.err.toStdString();
}
