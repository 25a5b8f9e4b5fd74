#include "ScheduleFileSupport.h"

#include "schedule/ScheduleFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace storetest;

namespace {

// A program folder holding the template, with a schedule in it, and a folder of schedules.
class ScheduleFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(root.path()).mkpath("program"));
        ASSERT_TRUE(QDir(root.path()).mkpath("files"));
        makeScheduleFile(programDir() + "/default.mdb");
        runSql(programDir() + "/default.mdb",
               {"INSERT INTO Monday VALUES(1,'           06:00','Melody',1,'ON',1,0,0,0)"});
    }

    QString programDir() const { return root.path() + "/program"; }
    QString file(const QString &name) const { return root.path() + "/files/" + name; }

    // A schedule file whose Monday holds one entry at the given minute.
    QString scheduleWithMonday(const QString &name, int minute)
    {
        makeScheduleFile(file(name));
        runSql(file(name),
               {QStringLiteral("INSERT INTO Monday VALUES(1,'%1','Voice',2,'OFF',0,1,0,0)")
                    .arg(QString::fromStdString(storedTime(minute / 60, minute % 60)))});
        return file(name);
    }

    int mondayMinute() const { return minuteOfDay(week.day(1).entry(1).Time).value_or(-1); }

    QTemporaryDir root;
    WeeklySchedule week;
    ScheduleFiles files{week, programDir()};
};

TEST(DatabaseLocation, SplitsAtTheLastSeparator)
{
    const DatabaseLocation nested = DatabaseLocation::fromPath("/home/op/sched ules/week.v2.mdb");
    EXPECT_EQ(nested.directory, "/home/op/sched ules");
    EXPECT_EQ(nested.fileName, "week.v2.mdb");
    EXPECT_EQ(nested.path(), "/home/op/sched ules/week.v2.mdb");

    const DatabaseLocation atRoot = DatabaseLocation::fromPath("/week.mdb");
    EXPECT_EQ(atRoot.directory, "");
    EXPECT_EQ(atRoot.path(), "/week.mdb");

    const DatabaseLocation relative = DatabaseLocation::fromPath("week.mdb");
    EXPECT_EQ(relative.directory, QDir::currentPath());
    EXPECT_EQ(relative.fileName, "week.mdb");
}

TEST_F(ScheduleFilesTest, NewShowsTheTemplateUntitledOnMonday)
{
    EXPECT_EQ(files.title(), "Untitled");
    EXPECT_EQ(files.templatePath(), programDir() + "/default.mdb");
    week.setShownDay(5);
    setDay(week, 5, {entry(1), entry(2)});

    ASSERT_TRUE(files.New());
    EXPECT_EQ(files.title(), "Untitled");
    EXPECT_EQ(files.location().directory, programDir());
    EXPECT_EQ(files.location().fileName, "default.mdb");
    EXPECT_EQ(files.store().registeredLocation(), files.location());
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_EQ(week.WorkingDay.count(), 1);
    EXPECT_EQ(mondayMinute(), 6 * 60);
    EXPECT_EQ(week.day(5).count(), 0);
}

TEST_F(ScheduleFilesTest, OpenTitlesByFileNameAndKeepsTheLastOfSeveral)
{
    ASSERT_TRUE(files.New());
    QDir(root.path()).mkpath("files/other");
    scheduleWithMonday("other/default.mdb", 60);
    scheduleWithMonday("Default.mdb", 120);
    scheduleWithMonday("week.mdb", 180);

    week.setShownDay(3);
    ASSERT_TRUE(files.Open(file("other/default.mdb")));
    EXPECT_EQ(files.title(), "Untitled");
    EXPECT_EQ(files.location().directory, file("other"));
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_EQ(mondayMinute(), 60);

    ASSERT_TRUE(files.Open(file("Default.mdb")));
    EXPECT_EQ(files.title(), "Default.mdb");

    // characters a file URI gives a meaning to are plain characters of the name here
    QDir(root.path()).mkpath("files/a b#c%20?d");
    scheduleWithMonday("a b#c%20?d/week 1#.mdb", 90);
    ASSERT_TRUE(files.Open(file("a b#c%20?d/week 1#.mdb")));
    EXPECT_EQ(files.title(), "week 1#.mdb");
    EXPECT_EQ(mondayMinute(), 90);
    ASSERT_TRUE(files.Save(file("a b#c%20?d/new ?.mdb")));
    EXPECT_EQ(queryRows(file("a b#c%20?d/new ?.mdb"), "SELECT Time FROM Monday"), QStringList{"           01:30"});

    // a file that is not there leaves the last one open
    ASSERT_TRUE(files.Open(file("week.mdb")));
    const FileOutcome missing = files.Open(file("missing.mdb"));
    EXPECT_EQ(missing.error, StoreError::Missing);
    EXPECT_EQ(missing.stage, FileOutcome::Stage::Load);
    EXPECT_EQ(missing.path, file("missing.mdb"));
    EXPECT_EQ(files.title(), "week.mdb");
    EXPECT_EQ(files.location().path(), file("week.mdb"));
    EXPECT_EQ(mondayMinute(), 180);
    EXPECT_FALSE(QFileInfo::exists(file("missing.mdb")));
}

TEST_F(ScheduleFilesTest, AFileThatCannotBeOpenedChangesNothing)
{
    scheduleWithMonday("week.mdb", 180);
    ASSERT_TRUE(files.Open(file("week.mdb")));
    setDay(week, 2, {entry(7)}); // an edit not saved yet
    week.setShownDay(2);
    week.LoadWorkingDay();
    WeeklySchedule before;
    before.copyFrom(week);

    makeScheduleFile(file("broken.mdb"));
    runSql(file("broken.mdb"), {"DROP TABLE Sunday"});
    QFile junk(file("junk.mdb"));
    junk.open(QIODevice::WriteOnly);
    junk.write("Standard Jet DB\0\0\0\0", 19);
    junk.close();

    for (const QString &bad : {file("broken.mdb"), file("junk.mdb"), file("nowhere/x.mdb")}) {
        const FileOutcome outcome = files.Open(bad);
        EXPECT_FALSE(outcome) << bad.toStdString();
        EXPECT_EQ(outcome.stage, FileOutcome::Stage::Load);
        EXPECT_TRUE(outcome.cause().contains(bad)) << outcome.cause().toStdString();
    }
    EXPECT_TRUE(sameDays(before, week));
    EXPECT_EQ(week.shownDay(), 2);
    EXPECT_TRUE(week.WorkingDay.sameEntries(before.WorkingDay));
    EXPECT_EQ(files.title(), "week.mdb");
    EXPECT_EQ(files.location().path(), file("week.mdb"));
    EXPECT_EQ(files.store().registeredLocation(), files.location());

    // a missing template is the same failure for New, named as the template
    QFile::remove(programDir() + "/default.mdb");
    const FileOutcome noTemplate = files.New();
    EXPECT_EQ(noTemplate.error, StoreError::TemplateMissing);
    EXPECT_EQ(noTemplate.stage, FileOutcome::Stage::Load);
    EXPECT_EQ(noTemplate.causePath, programDir() + "/default.mdb");
    EXPECT_EQ(files.title(), "week.mdb");
    EXPECT_TRUE(sameDays(before, week));
}

TEST_F(ScheduleFilesTest, SaveCopiesTheTemplateOrReplacesAnExistingSchedule)
{
    ASSERT_TRUE(files.New());
    setDay(week, 1, {entry(500), entry(400)});
    setDay(week, 6, {entry(10)});
    week.setShownDay(6);

    // a new file in another folder, named like the template
    ASSERT_TRUE(files.Save(file("default.mdb")));
    EXPECT_EQ(files.title(), "default.mdb");
    EXPECT_EQ(files.location().path(), file("default.mdb"));
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_EQ(week.WorkingDay.count(), 2);
    EXPECT_EQ(queryRows(file("default.mdb"), "SELECT ID, Time FROM Monday"),
              (QStringList{"1|           08:20", "2|           06:40"}));
    // the template itself is untouched
    EXPECT_EQ(queryRows(programDir() + "/default.mdb", "SELECT ID FROM Monday"), QStringList{"1"});

    // an existing schedule is replaced, not appended to
    scheduleWithMonday("week.mdb", 180);
    runSql(file("week.mdb"), {"INSERT INTO Sunday VALUES(1,'x','x','x','x','x','x','x','x')"});
    ASSERT_TRUE(files.Save(file("week.mdb")));
    EXPECT_EQ(files.title(), "week.mdb");
    EXPECT_EQ(queryRows(file("week.mdb"), "SELECT ID, Time FROM Monday"),
              (QStringList{"1|           08:20", "2|           06:40"}));
    EXPECT_TRUE(queryRows(file("week.mdb"), "SELECT ID FROM Sunday").isEmpty());
    WeeklySchedule reopened;
    ScheduleStore &store = files.store();
    ASSERT_TRUE(store.LoadAllDays(reopened));
    EXPECT_TRUE(sameDays(week, reopened));

    // onto the template: New then shows what was saved
    ASSERT_TRUE(files.Save(programDir() + "/default.mdb"));
    EXPECT_EQ(files.title(), "default.mdb");
    setDay(week, 1, {});
    setDay(week, 6, {});
    ASSERT_TRUE(files.New());
    EXPECT_EQ(files.title(), "Untitled");
    EXPECT_EQ(week.day(1).count(), 2);
    EXPECT_EQ(mondayMinute(), 500);
    EXPECT_EQ(week.day(6).count(), 1);
}

TEST_F(ScheduleFilesTest, AFailedSaveKeepsMemoryAndFilesAndNamesTheCause)
{
    scheduleWithMonday("week.mdb", 180);
    ASSERT_TRUE(files.Open(file("week.mdb")));
    setDay(week, 1, {entry(1), entry(2), entry(3)});
    week.setShownDay(4);
    WeeklySchedule before;
    before.copyFrom(week);
    auto unchanged = [&] {
        EXPECT_TRUE(sameDays(before, week));
        EXPECT_EQ(week.shownDay(), 4);
        EXPECT_EQ(files.title(), "week.mdb");
        EXPECT_EQ(files.store().registeredLocation().path(), file("week.mdb"));
    };

    // a folder that does not exist: no new file is made there
    FileOutcome outcome = files.Save(file("nowhere/new.mdb"));
    EXPECT_EQ(outcome.stage, FileOutcome::Stage::SaveNew);
    EXPECT_EQ(outcome.path, file("nowhere/new.mdb"));
    EXPECT_TRUE(outcome.cause().contains("new.mdb")) << outcome.cause().toStdString();
    unchanged();

    // something that is not a schedule database is not overwritten
    QFile notes(file("notes.mdb"));
    notes.open(QIODevice::WriteOnly);
    notes.write("my notes");
    notes.close();
    outcome = files.Save(file("notes.mdb"));
    EXPECT_EQ(outcome.error, StoreError::NotSchedule);
    EXPECT_EQ(outcome.stage, FileOutcome::Stage::SaveTarget);
    EXPECT_EQ(fileBytes(file("notes.mdb")), QByteArray("my notes"));
    unchanged();

    // a schedule file that refuses the write midway stays byte for byte as it was
    scheduleWithMonday("locked.mdb", 30);
    runSql(file("locked.mdb"),
           {"DROP TABLE Monday",
            "CREATE TABLE Monday (ID INTEGER, Time TEXT, MelodyVoice TEXT, Selection TEXT, AC "
            "TEXT, CH1 TEXT, CH2 TEXT, CH3 TEXT, CH4 TEXT, CONSTRAINT locked CHECK (ID < 0))"});
    const QByteArray lockedBytes = fileBytes(file("locked.mdb"));
    outcome = files.Save(file("locked.mdb"));
    EXPECT_EQ(outcome.stage, FileOutcome::Stage::SaveInto);
    EXPECT_TRUE(outcome.cause().contains("locked")) << outcome.cause().toStdString();
    EXPECT_EQ(fileBytes(file("locked.mdb")), lockedBytes);
    unchanged();

    // a template whose copy refuses the write leaves no half-made file behind
    runSql(programDir() + "/default.mdb",
           {"CREATE TRIGGER refuse BEFORE INSERT ON Monday BEGIN SELECT RAISE(FAIL, 'no'); END"});
    EXPECT_EQ(files.Save(file("fresh.mdb")).error, StoreError::TemplateDamaged);
    EXPECT_FALSE(QFileInfo::exists(file("fresh.mdb")));
    unchanged();

    // no template at all: the cause names the template, the outcome the file not made
    QFile::remove(programDir() + "/default.mdb");
    outcome = files.Save(file("fresh.mdb"));
    EXPECT_EQ(outcome.error, StoreError::TemplateMissing);
    EXPECT_EQ(outcome.stage, FileOutcome::Stage::SaveNew);
    EXPECT_EQ(outcome.path, file("fresh.mdb"));
    EXPECT_EQ(outcome.causePath, programDir() + "/default.mdb");
    EXPECT_FALSE(QFileInfo::exists(file("fresh.mdb")));
    unchanged();

    // the open file still takes a save after all that
    ASSERT_TRUE(files.Save(file("week.mdb")));
    EXPECT_EQ(queryRows(file("week.mdb"), "SELECT count(*) FROM Monday"), QStringList{"3"});
}

} // namespace
