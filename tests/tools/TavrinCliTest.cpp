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
    const QString csv = writeFile(dir, QStringLiteral("week.csv"), kWeekCsv);
    const QString file = dir.filePath(QStringLiteral("week.mdb"));

    const CliRun imported = runCli({QStringLiteral("import"), csv, QStringLiteral("--to"), file});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun shown = runCli({QStringLiteral("show"), file});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, kWeekCsv);

    const CliRun wednesday = runCli({QStringLiteral("show"), file, QStringLiteral("--day"), QStringLiteral("WED")});
    EXPECT_EQ(wednesday.out,
              "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
              "Wednesday,1,23:59,\" \",0,OFF,0,0,0,0\r\n"
              "Wednesday,2,00:00,Melody,15,ON,1,1,1,1\r\n");

    // Importing onto an existing file replaces the whole week; standard input serves as CSV.
    const QByteArray friday = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n"
                              "Friday,1,06:15,Voice,1,ON,1,0,0,0\r\n";
    ASSERT_EQ(runCli({QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("--to"), file}, friday).status, 0);
    EXPECT_EQ(runCli({QStringLiteral("show"), file}).out, friday);
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
    const QString file = dir.filePath(QStringLiteral("week.mdb"));
    const CliRun imported = runCli(
        {QStringLiteral("import"), writeFile(dir, QStringLiteral("week.csv"), csv), QStringLiteral("--to"), file});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun shown = runCli({QStringLiteral("show"), file});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.out, csv);

    // A calendar row the program cannot show is left out, and said where it was.
    storetest::runSql(
        file,
        {QStringLiteral(
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(3,'2027-13-01','2027-13-01',8,'')")});
    const CliRun odd = runCli({QStringLiteral("show"), file});
    EXPECT_EQ(odd.status, 0);
    EXPECT_EQ(odd.out, csv);
    EXPECT_TRUE(odd.err.contains(QStringLiteral("Calendar: 1 row with a date that is not YYYY-MM-DD")))
        << odd.err.toStdString();
}

TEST(TavrinCli, ImageIsTheDayImageOfTheWeekday)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("week.mdb"));
    ASSERT_EQ(runCli({QStringLiteral("import"), writeFile(dir, QStringLiteral("week.csv"), kWeekCsv),
                      QStringLiteral("--to"), file})
                  .status,
              0);

    WeeklySchedule week;
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(kWeekCsv.toStdString(), week, errors));
    for (int day : {kMonday, kWednesday, kThursday}) {
        DayImage expected;
        expected.Encode(week.day(day));
        const QByteArray expectedBytes(reinterpret_cast<const char *>(expected.bytes().data()), DayImage::kSize);

        const CliRun raw = runCli(
            {QStringLiteral("image"), file, QStringLiteral("--day"), QString::fromLatin1(weekdayName(day).data())});
        ASSERT_EQ(raw.status, 0) << raw.err.toStdString();
        EXPECT_EQ(raw.out, expectedBytes) << day;

        const CliRun hex =
            runCli({QStringLiteral("image"), file, QStringLiteral("--day"),
                    QString::fromLatin1(weekdayName(day).substr(0, 3).data(), 3), QStringLiteral("--hex")});
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
    const QString file = dir.filePath(QStringLiteral("week.mdb"));

    // Bad rows: each named by its line, and no file made.
    const QString bad = writeFile(dir, QStringLiteral("bad.csv"),
                                  "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\n"
                                  "Monday,1,07:00,Melody,1,ON,1,0,0,0\n"
                                  "Funday,1,07:00,Melody,1,ON,1,0,0,0\n"
                                  "Monday,2,7h,Melody,1,ON,1,0,0,0\n");
    CliRun run = runCli({QStringLiteral("import"), bad, QStringLiteral("--to"), file});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("bad.csv:3: unknown weekday \"Funday\""))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("bad.csv:4: time \"7h\""))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(file));

    // A good import, then a bad one onto it: the file keeps what it held.
    ASSERT_EQ(runCli({QStringLiteral("import"), writeFile(dir, QStringLiteral("week.csv"), kWeekCsv),
                      QStringLiteral("--to"), file})
                  .status,
              0);
    EXPECT_EQ(runCli({QStringLiteral("import"), bad, QStringLiteral("--to"), file}).status, 1);
    EXPECT_EQ(runCli({QStringLiteral("show"), file}).out, kWeekCsv);

    // Usage: unknown weekday names, missing port, unknown command, missing arguments.
    for (const QStringList &args :
         {QStringList{QStringLiteral("show"), file, QStringLiteral("--day"), QStringLiteral("Funday")},
          QStringList{QStringLiteral("image"), file, QStringLiteral("--day"), QStringLiteral("mo")},
          QStringList{QStringLiteral("download"), file, QStringLiteral("--port"), QStringLiteral("/dev/null"),
                      QStringLiteral("--days"), QStringLiteral("mon,xyz")},
          QStringList{QStringLiteral("clock"), QStringLiteral("--port"), QStringLiteral("/dev/null"),
                      QStringLiteral("--set"), QStringLiteral("Thurs 07:00:00")}}) {
        run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("unknown weekday"))) << run.err.toStdString();
    }
    for (const QStringList &args :
         {QStringList{QStringLiteral("download"), file, QStringLiteral("--all")},
          QStringList{QStringLiteral("upload"), QStringLiteral("--to"), file}, QStringList{QStringLiteral("clock")}}) {
        run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("no serial port given"))) << run.err.toStdString();
    }
    EXPECT_EQ(runCli({QStringLiteral("frobnicate")}).status, 2);
    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({QStringLiteral("download"), file, QStringLiteral("--port"), QStringLiteral("x"),
                      QStringLiteral("--all"), QStringLiteral("--clear")})
                  .status,
              2);
    EXPECT_EQ(runCli({QStringLiteral("image"), file}).status, 2);
    EXPECT_EQ(runCli({QStringLiteral("clock"), QStringLiteral("--port"), QStringLiteral("x"), QStringLiteral("--set"),
                      QStringLiteral("Mon 24:00:00")})
                  .status,
              2);
    // dates whose week ahead (or --days) runs past the last four-digit year
    run = runCli({QStringLiteral("plan"), file, QStringLiteral("--from"), QStringLiteral("9999-12-28")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("past 9999-12-31"))) << run.err.toStdString();
    EXPECT_EQ(runCli({QStringLiteral("sync"), file, QStringLiteral("--port"), QStringLiteral("x"),
                      QStringLiteral("--from"), QStringLiteral("9999-12-26")})
                  .status,
              2);

    // A port that is not there, a file that is not there or not a schedule.
    run = runCli({QStringLiteral("download"), file, QStringLiteral("--port"),
                  dir.filePath(QStringLiteral("no-such-port")), QStringLiteral("--all")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Serial Port Open Fail"))) << run.err.toStdString();
    run = runCli({QStringLiteral("clock"), QStringLiteral("--port"), dir.filePath(QStringLiteral("no-such-port"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Serial Port Open Fail"))) << run.err.toStdString();
    EXPECT_EQ(runCli({QStringLiteral("show"), dir.filePath(QStringLiteral("missing.mdb"))}).status, 1);
    run = runCli({QStringLiteral("show"), bad});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("DB Loading Error !"))) << run.err.toStdString();

    // A file carrying a trigger: read as usual, written into only with --remove-triggers.
    storetest::runSql(file,
                      {QStringLiteral("CREATE TRIGGER wipe AFTER INSERT ON Sunday BEGIN DELETE FROM Monday; END")});
    EXPECT_EQ(runCli({QStringLiteral("show"), file}).out, kWeekCsv);
    const QString week = writeFile(dir, QStringLiteral("week.csv"), kWeekCsv);
    run = runCli({QStringLiteral("import"), week, QStringLiteral("--to"), file});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("triggers or views (wipe)"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("--remove-triggers"))) << run.err.toStdString();
    run = runCli({QStringLiteral("upload"), QStringLiteral("--port"), dir.filePath(QStringLiteral("no-such-port")),
                  QStringLiteral("--to"), file});
    EXPECT_TRUE(run.err.contains(QStringLiteral("--remove-triggers")))
        << run.err.toStdString(); // before the port is tried
    ASSERT_EQ(
        runCli({QStringLiteral("import"), week, QStringLiteral("--to"), file, QStringLiteral("--remove-triggers")})
            .status,
        0);
    EXPECT_EQ(runCli({QStringLiteral("show"), file}).out, kWeekCsv);
    EXPECT_EQ(storetest::queryRows(file, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'trigger'")),
              QStringList{QStringLiteral("0")});

    // An Access database of the original program is named as one.
    QFile mdb(dir.filePath(QStringLiteral("access.mdb")));
    ASSERT_TRUE(mdb.open(QIODevice::WriteOnly));
    mdb.write(QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(4096, '\0'));
    mdb.close();
    run = runCli({QStringLiteral("show"), mdb.fileName()});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("is a Microsoft Access database"))) << run.err.toStdString();

    // Help for each command.
    for (const char *verb : {"show", "import", "download", "upload", "clock", "image"}) {
        run = runCli({QString::fromLatin1(verb), QStringLiteral("--help")});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.startsWith(QByteArray(QByteArray("Usage: tavrin-cli ") + verb))) << verb;
    }
    EXPECT_EQ(runCli({QStringLiteral("--help")}).status, 0);
}

TEST(TavrinCli, WhatShowPrintsImportReadsBackIntoTheSameSchedule)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("foreign.mdb"));
    ASSERT_EQ(runCli({QStringLiteral("import"), writeFile(dir, QStringLiteral("week.csv"), kWeekCsv),
                      QStringLiteral("--to"), file})
                  .status,
              0);
    // What a foreign or damaged file may hold: a gap in the ids, short times, formulas, bytes
    // that are no text.
    storetest::runSql(
        file,
        {QStringLiteral("DELETE FROM Monday WHERE ID = 2"),
         QStringLiteral(
             "UPDATE Monday SET Time = '           7:05', MelodyVoice = '=cmd|'' /C calc''!A0' WHERE ID = 1"),
         QStringLiteral("UPDATE Monday SET Time = '07:5' WHERE ID = 3"),
         QStringLiteral("UPDATE Wednesday SET Time = 'noon', CH1 = CAST(X'FF31' AS TEXT) WHERE ID = 1")});

    const CliRun shown = runCli({QStringLiteral("show"), file});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains("Monday,1,07:05,'=cmd|' /C calc'!A0,3,ON,1,0,1,0\r\n")) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("Monday,2,,,,,,,,\r\n")) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("Monday,3,07:05,Melody,5,,0,1,0,0\r\n")) << shown.out.toStdString();
    // The byte that is no text is left out, not replaced.
    EXPECT_TRUE(shown.out.contains("Wednesday,1,'noon,\" \",0,OFF,1,")) << shown.out.toStdString();
    EXPECT_TRUE(shown.err.contains(QStringLiteral("CSV line 5: Wednesday id 1: ch1 is not UTF-8")))
        << shown.err.toStdString();

    const QString copy = dir.filePath(QStringLiteral("copy.mdb"));
    const CliRun imported =
        runCli({QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("--to"), copy}, shown.out);
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    const CliRun again = runCli({QStringLiteral("show"), copy});
    EXPECT_EQ(again.out, shown.out);
    EXPECT_TRUE(again.err.isEmpty()) << again.err.toStdString();
    EXPECT_EQ(storetest::queryRows(copy, QStringLiteral("SELECT MelodyVoice FROM Monday WHERE ID = 1")),
              QStringList{QStringLiteral("=cmd|' /C calc'!A0")});

    // A CSV far larger than a week is refused before it is read.
    const CliRun huge = runCli({QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("--to"), copy},
                               QByteArray(5 * 1024 * 1024, '\n'));
    EXPECT_EQ(huge.status, 1);
    EXPECT_TRUE(huge.err.contains(QStringLiteral("larger than 4 MB"))) << huge.err.toStdString();
}
