// tavrin-cli calendar: the calendar's entries listed, added, removed and imported from an
// iCalendar file, the file saved each time.
#include "TavrinCliRun.h"

#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray holidays(const QDate &today, const QString &breakName)
{
    const QString day = QStringLiteral("yyyyMMdd");
    return QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//school//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:break@school\r\nSUMMARY:%1\r\nDTSTART;VALUE=DATE:%2\r\n"
                          "DTEND;VALUE=DATE:%3\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:meeting@school\r\nSUMMARY:Staff meeting\r\nDTSTART:%4T150000\r\n"
                          "DTEND:%4T160000\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
        .arg(breakName, today.addDays(10).toString(day), today.addDays(13).toString(day),
             today.addDays(20).toString(day))
        .toUtf8();
}

TEST(TavrinCliCalendar, AddListRemoveAndImportTwiceWithoutDuplicates)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("school.mdb");
    WeeklySchedule week;
    ProgramCalendar special;
    special.programs.push_back({9, "Exam day"});
    week.setProgramCalendar(special);
    ASSERT_TRUE(ScheduleFiles(week).Save(file));

    CliRun run = runCli({"calendar", file, "add", "--first", "2027-06-01", "--last", "2027-06-02", "--program",
                         "exam day", "--note", "finals"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(runCli({"calendar", file, "add", "--first", "2027-06-01", "--program", "Fair"}).status, 1);

    // What the window ticks: the all-day break (DTEND the day after), not the timed meeting.
    const QDate today = QDate::currentDate();
    const QString ics = writeFile(dir, "school.ics", holidays(today, "Spring break"));
    run = runCli({"calendar", file, "import", ics});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString taken = QStringLiteral("%1 %2 No bells ")
                              .arg(today.addDays(10).toString(Qt::ISODate), today.addDays(12).toString(Qt::ISODate));
    EXPECT_EQ(run.out, (taken + "Spring break\n").toUtf8());
    // Again, renamed: updated where it stands.
    writeFile(dir, "school.ics", holidays(today, "Easter break"));
    ASSERT_EQ(runCli({"calendar", file, "import", ics}).status, 0);
    run = runCli({"calendar", file, "list"});
    EXPECT_EQ(run.out, ("1 2027-06-01 2027-06-02 Exam day finals\n2 " + taken + "Easter break\n").toUtf8());

    // Refused files change nothing.
    run = runCli({"calendar", file, "import", writeFile(dir, "notes.ics", "just text\n")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("not an iCalendar file")) << run.err.toStdString();
    EXPECT_EQ(runCli({"calendar", file, "remove", "3"}).status, 1);
    ASSERT_EQ(runCli({"calendar", file, "remove", "1"}).status, 0);
    run = runCli({"calendar", file, "list"});
    EXPECT_EQ(run.out, ("1 " + taken + "Easter break\n").toUtf8());
}

} // namespace
