// tavrin-cli plan --ics: the days a program plays, as a calendar others read.
#include "TavrinCliRun.h"

#include "calendar/IcsReading.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(TavrinCliPlanIcs, WritesTheProgramDatesAsAllDayEventsThatKeepTheirUids)
{
    const QDate from(2027, 3, 8);
    QTemporaryDir dir;
    const QString file = dir.filePath("school.mdb");
    WeeklySchedule week;
    ProgramCalendar special;
    special.programs.push_back({9, "Exam day"});
    special.calendar.push_back({from.addDays(2), from.addDays(2), 9, "maths"});
    special.calendar.push_back({from.addDays(4), from.addDays(5), kNoBellsDay, "break"});
    special.calendar.push_back({from.addDays(30), from.addDays(30), kNoBellsDay, "past --days"});
    week.setProgramCalendar(special);
    ASSERT_TRUE(ScheduleFiles(week).Save(file));

    const QString out = dir.filePath("plan.ics");
    const QStringList plan{"plan", file, "--from", from.toString(Qt::ISODate), "--days", "14", "--ics", out};
    CliRun run = runCli(plan);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count('\n'), 14); // the lines as ever

    const IcsReading first = readIcs(readAll(out), from);
    ASSERT_FALSE(first.refusal);
    ASSERT_EQ(first.occurrences.size(), 3u);
    const QString names[] = {"Exam day", "No bells", "No bells"};
    const QDate dates[] = {from.addDays(2), from.addDays(4), from.addDays(5)};
    for (size_t i = 0; i < 3; ++i) {
        const IcsOccurrence &o = first.occurrences[i];
        EXPECT_EQ(o.summary, names[i]);
        EXPECT_EQ(o.first, dates[i]);
        EXPECT_EQ(o.last, dates[i]);
        EXPECT_TRUE(o.tickedByDefault());
    }
    EXPECT_NE(first.occurrences[1].uid, first.occurrences[2].uid);

    run = runCli(plan);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(readIcs(readAll(out), from).occurrences, first.occurrences);

    run = runCli({"plan", file, "--ics", dir.filePath("missing/plan.ics")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("cannot be written")) << run.err.toStdString();
}

} // namespace
