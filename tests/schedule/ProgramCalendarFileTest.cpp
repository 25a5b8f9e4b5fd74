// Day programs and the calendar in a schedule file: through Save and Open, from files of the
// version before them, and from rows the program did not write.
#include "ScheduleFileSupport.h"

#include "schedule/ScheduleFileFormat.h"
#include "schedule/ScheduleFiles.h"

#include <QTemporaryDir>

using namespace storetest;

namespace {

constexpr int kExam = 9;
constexpr int kHalf = 12;

// A file as the version before the programs wrote it: the seven weekday tables only.
void makeVersion1File(const QString &path, const QStringList &statements = {})
{
    makeScheduleFile(path);
    runSql(path,
           QStringList{"DROP TABLE DayPrograms", "DROP TABLE ProgramEntries", "DROP TABLE Calendar",
                       "PRAGMA user_version = 1"}
               + statements);
}

QStringList tablesOf(const QString &path)
{
    return queryRows(path, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
}

class ProgramCalendarFileTest : public ::testing::Test {
protected:
    void SetUp() override { makeVersion1File(path("default.mdb")); }
    QString path(const QString &name) const { return dir.path() + "/" + name; }

    // Monday, two programs (one without entries, shown first) and three calendar entries.
    void fill(WeeklySchedule &w)
    {
        setDay(w, 1, {entry(7 * 60), entry(8 * 60)});
        ProgramCalendar special;
        special.programs.push_back({kHalf, "Half day"});
        special.programs.push_back({kExam, "Exam day"});
        special.calendar.push_back({QDate(2026, 12, 19), QDate(2027, 1, 6), kNoBellsDay, "Winter holidays"});
        special.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), kExam, "Maths"});
        special.calendar.push_back({QDate(2027, 2, 1), QDate(2027, 2, 5), kHalf, ""});
        w.setProgramCalendar(special);
        setDay(w, kExam, {entry(9 * 60, "Voice", "12"), entry(10 * 60), entry(11 * 60 + 15)});
    }

    QTemporaryDir dir;
    WeeklySchedule week;
    ScheduleFiles files{week, dir.path()};
};

TEST_F(ProgramCalendarFileTest, ProgramsTheirEntriesAndTheCalendarComeBackAsSaved)
{
    // A new file, made from the version-1 template, is of the new version once saved.
    fill(week);
    const FileOutcome saved = files.Save(path("week.mdb"));
    ASSERT_TRUE(saved) << saved.cause().toStdString();
    EXPECT_EQ(queryRows(path("week.mdb"), "PRAGMA user_version"), QStringList{"3"});
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT Program, Name, Position FROM DayPrograms ORDER BY Position"),
              (QStringList{"12|Half day|1", "9|Exam day|2"}));
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT Entry, First, Last, Program, Note FROM Calendar ORDER BY Entry"),
              (QStringList{"1|2026-12-19|2027-01-06|8|Winter holidays", "2|2027-01-04|2027-01-04|9|Maths",
                           "3|2027-02-01|2027-02-05|12|"}));

    WeeklySchedule reopened;
    ScheduleFiles other(reopened, dir.path());
    const FileOutcome reread = other.Open(path("week.mdb"));
    ASSERT_TRUE(reread);
    EXPECT_TRUE(reread.leftOut.empty()) << reread.leftOut.describe().toStdString();
    EXPECT_TRUE(reopened.sameDays(week));
    EXPECT_EQ(reopened.programCalendar(), week.programCalendar()); // numbers and order as stored
    EXPECT_EQ(reopened.day(kExam).entry(1), entry(9 * 60, "Voice", "12"));

    // Saving onto it replaces the programs and calendar; the backup keeps what was there.
    ProgramCalendar fewer = reopened.programCalendar();
    fewer.programs.pop_back();
    fewer.calendar.erase(fewer.calendar.begin() + 1);
    reopened.setProgramCalendar(fewer);
    ASSERT_TRUE(other.Save(path("week.mdb")));
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT count(*) FROM DayPrograms"), QStringList{"1"});
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT count(*) FROM ProgramEntries"), QStringList{"0"});
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT count(*) FROM Calendar"), QStringList{"2"});
    EXPECT_EQ(queryRows(path("week.mdb.bak"), "SELECT count(*) FROM ProgramEntries"), QStringList{"3"});

    // Opening another file leaves nothing of the programs of the one before.
    ASSERT_TRUE(files.Open(path("week.mdb")));
    EXPECT_EQ(week.programCalendar(), fewer);
    EXPECT_EQ(week.day(kExam).count(), 0);
}

TEST_F(ProgramCalendarFileTest, AVersion1FileLoadsAsBeforeAndIsUpgradedOnlyByASaveThatSucceeds)
{
    makeVersion1File(path("old.mdb"),
                     {"INSERT INTO Monday VALUES(1,'           07:05','Melody',3,'ON',1,0,0,0)",
                      "INSERT INTO Friday VALUES(1,'           15:30','Voice',2,'OFF',0,1,0,0)"});
    ASSERT_TRUE(files.Open(path("old.mdb")));
    EXPECT_EQ(week.programCalendar(), ProgramCalendar());
    EXPECT_EQ(week.day(1).count(), 1);
    EXPECT_EQ(week.day(5).entry(1).Time, "           15:30");

    // A save that fails leaves the file of version 1, without the new tables.
    fill(week);
    runSql(path("old.mdb"),
           {"CREATE TRIGGER refuse BEFORE INSERT ON Sunday BEGIN "
            "SELECT RAISE(ABORT, 'Sunday is locked'); END"});
    setDay(week, 7, {entry(60)});
    const QStringList oldTables = tablesOf(path("old.mdb"));
    EXPECT_FALSE(files.Save(path("old.mdb")));
    EXPECT_EQ(queryRows(path("old.mdb"), "PRAGMA user_version"), QStringList{"1"});
    EXPECT_EQ(tablesOf(path("old.mdb")), oldTables);

    runSql(path("old.mdb"), {"DROP TRIGGER refuse"});
    ASSERT_TRUE(files.Save(path("old.mdb")));
    EXPECT_EQ(queryRows(path("old.mdb"), "PRAGMA user_version"), QStringList{"3"});
    EXPECT_EQ(queryRows(path("old.mdb"), "SELECT ID, Time FROM Friday"), QStringList{"1|           15:30"});
    EXPECT_EQ(queryRows(path("old.mdb"), "SELECT count(*) FROM ProgramEntries"), QStringList{"3"});
    EXPECT_EQ(queryRows(path("old.mdb.bak"), "PRAGMA user_version"), QStringList{"1"});
    EXPECT_FALSE(tablesOf(path("old.mdb.bak")).contains("Calendar"));
}

TEST_F(ProgramCalendarFileTest, RowsThatCannotBeShownAreLeftOutAndCountedByWhereTheyBelong)
{
    const QString bell = "'           08:00','Melody',1,'ON',1,0,0,0";
    makeScheduleFile(path("odd.mdb"));
    runSql(
        path("odd.mdb"),
        {
            "INSERT INTO DayPrograms VALUES(9,'Exam day',1)",
            "INSERT INTO DayPrograms VALUES(9,'Same number',2)",
            "INSERT INTO DayPrograms VALUES(10,'  ',3)",
            "INSERT INTO DayPrograms VALUES(11,'EXAM DAY',4)",
            "INSERT INTO DayPrograms VALUES(8,'No bells',5)",
            "INSERT INTO DayPrograms VALUES('x','Lettered',6)",
            "INSERT INTO DayPrograms VALUES(13,'Half day',7)",
            "INSERT INTO ProgramEntries VALUES(9,1," + bell + ")",
            "INSERT INTO ProgramEntries VALUES(9,1," + bell + ")",
            "INSERT INTO ProgramEntries VALUES(9,2000," + bell + ")",
            "INSERT INTO ProgramEntries VALUES(8,1," + bell + ")",
            "INSERT INTO ProgramEntries VALUES(10,1," + bell + ")",
            "INSERT INTO ProgramEntries VALUES(77,1," + bell + ")",
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(1,'2027-01-04','2027-01-04',9,'')",
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(2,'2027-02-30','2027-03-01',9,'')",
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(3,'4/1/2027','2027-01-04',9,'')",
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(4,'2027-03-05','2027-03-01',9,'')",
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(5,'2027-03-05','2027-03-05',77,'')",
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(6,'2027-03-06','2027-03-06',11,'')",
            "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(7,'2026-12-24','2026-12-26',8,'Holidays')",
        });
    const FileOutcome outcome = files.Open(path("odd.mdb"));
    ASSERT_TRUE(outcome) << outcome.cause().toStdString();

    const ProgramCalendar &special = week.programCalendar();
    ASSERT_EQ(special.programs.size(), 3u);
    EXPECT_EQ(special.programs[1], (DayProgram{9, "Exam day"}));
    EXPECT_EQ(special.programs[2], (DayProgram{13, "Half day"}));
    EXPECT_EQ(week.day(9).count(), 1);
    ASSERT_EQ(special.calendar.size(), 2u);
    EXPECT_EQ(special.calendar[1].program, kNoBellsDay);

    const LeftOutRows &left = outcome.leftOut;
    EXPECT_EQ(left.at("Day programs", LeftOutRows::ProgramNumberRepeated), 1);
    EXPECT_EQ(left.at("Day programs", LeftOutRows::NameEmpty), 1);
    EXPECT_EQ(left.at("Day programs", LeftOutRows::NameRepeated), 1);
    EXPECT_EQ(left.at("Day programs", LeftOutRows::ProgramNumberBad), 2);
    EXPECT_EQ(left.at("Program \"Exam day\"", LeftOutRows::IdRepeated), 1);
    EXPECT_EQ(left.at("Program \"Exam day\"", LeftOutRows::IdOutOfRange), 1);
    EXPECT_EQ(left.at("Program \"No bells\"", LeftOutRows::NoBellsEntry), 1);
    EXPECT_EQ(left.at("Program entries", LeftOutRows::NoSuchProgram), 2);
    EXPECT_EQ(left.at("Calendar", LeftOutRows::DateInvalid), 2);
    EXPECT_EQ(left.at("Calendar", LeftOutRows::LastBeforeFirst), 1);
    EXPECT_EQ(left.at("Calendar", LeftOutRows::NoSuchProgram), 2);
    EXPECT_EQ(left.total(), 15);
    for (const char *line : {"Day programs: 2 rows with a program number", "Program \"Exam day\": 1 row with an ID",
                             "Calendar: 2 rows for a program", "2 rows with a date that is not YYYY-MM-DD"})
        EXPECT_TRUE(left.describe().contains(line)) << left.describe().toStdString();

    // Tables of the programs that lack a column, or are not tables, make no schedule file.
    makeScheduleFile(path("narrow.mdb"));
    runSql(path("narrow.mdb"), {"DROP TABLE Calendar", "CREATE TABLE Calendar (Entry, First, Last, Program)"});
    makeScheduleFile(path("view.mdb"));
    runSql(path("view.mdb"), {"DROP TABLE DayPrograms", "CREATE VIEW DayPrograms AS SELECT 9, 'x', 1"});
    for (const QString name : {"narrow.mdb", "view.mdb"}) {
        const QByteArray before = fileBytes(path(name));
        EXPECT_EQ(files.Open(path(name)).error, StoreError::NotSchedule) << name.toStdString();
        // dropping what odd.mdb left out
        EXPECT_EQ(files.Save(path(name), {.dropLeftOutRows = true}).error, StoreError::NotSchedule)
            << name.toStdString();
        EXPECT_EQ(fileBytes(path(name)), before);
    }
}

} // namespace
