// Files the program did not write, or could not finish: what loading leaves out and says,
// and the cause each refusal names.
#include "ScheduleFileSupport.h"

#include "schedule/ProgramCalendar.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/UnfinishedSaves.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

using namespace storetest;

namespace {

class UnusualFilesTest : public ::testing::Test {
protected:
    void SetUp() override { makeScheduleFile(path("default.mdb")); }
    QString path(const QString &name) const { return dir.path() + "/" + name; }
    QString withRows(const QString &name, const QStringList &statements)
    {
        makeScheduleFile(path(name));
        runSql(path(name), statements);
        return path(name);
    }

    QTemporaryDir dir;
    WeeklySchedule week;
    ScheduleFiles files{week, dir.path()};
};

TEST_F(UnusualFilesTest, RowsThatCannotBeShownAreCountedAndRefuseTheNextSaveUntilAgreed)
{
    const QString row = QStringLiteral("INSERT INTO %1 VALUES(%2,'           07:05','Melody',0,'ON',1,0,0,0)");
    struct Case {
        QStringList ids;
        LeftOutRows::Reason reason;
        int leftOut;
        int shown;
    } cases[] = {
        {{"1", "1441", "99999"}, LeftOutRows::IdOutOfRange, 2, 1},
        {{"0", "-5", "2"}, LeftOutRows::IdOutOfRange, 2, 1},
        {{"1.5", "'x'", "NULL", "X'01'", "'3'"}, LeftOutRows::IdNotWhole, 4, 1},
        {{"1", "1", "2", "2"}, LeftOutRows::IdRepeated, 2, 2},
    };
    for (const Case &c : cases) {
        QStringList statements;
        for (const QString &id : c.ids)
            statements << row.arg("Tuesday", id);
        const QString file = withRows("rows.mdb", statements);
        const StoreOutcome outcome = files.Open(file);
        ASSERT_TRUE(outcome) << c.ids.join(',').toStdString();
        EXPECT_EQ(outcome.leftOut.counts[1][c.reason], c.leftOut) << c.ids.join(',').toStdString();
        EXPECT_EQ(outcome.leftOut.total(), c.leftOut);
        EXPECT_EQ(week.day(2).count() > 0, c.shown > 0);
        EXPECT_TRUE(outcome.leftOut.describe().startsWith("Tuesday: ")) << outcome.leftOut.describe().toStdString();
        QFile::remove(file);
    }

    // fields far longer than any schedule field, under and over SQLite's 1 MB a value: their
    // rows only, counted (not a crash, and the file still opens)
    const QString big = withRows(
        "big.mdb",
        {row.arg("Friday", "1"), row.arg("Friday", "2"), row.arg("Friday", "3"), row.arg("Friday", "4"),
         "UPDATE Friday SET AC = hex(zeroblob(460000)) WHERE ID = 2",
         "UPDATE Friday SET CH2 = hex(zeroblob(600000)) WHERE ID = 3",
         "UPDATE Friday SET ID = 'x' || hex(zeroblob(600000)) WHERE ID = 4",
         // day programs and calendar rows are sorted too, as stored
         "INSERT INTO DayPrograms VALUES(9,'Exam',2)", "INSERT INTO DayPrograms VALUES(10,hex(zeroblob(600000)),1)",
         "INSERT INTO DayPrograms VALUES(11,'Fair',1)",
         "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(3,'2030-05-07','2030-05-07',9,'b')",
         "INSERT INTO Calendar (Entry, First, Last, Program, Note) "
         "VALUES(1,'2030-05-06','2030-05-06',9,hex(zeroblob(600000)))",
         "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(2,'2030-05-06','2030-05-06',11,'a')"});
    FileOutcome outcome = files.Open(big);
    ASSERT_TRUE(outcome) << outcome.cause().toStdString();
    EXPECT_EQ(outcome.leftOut.counts[4][LeftOutRows::FieldTooLong], 3);
    EXPECT_EQ(outcome.leftOut.at("Day programs", LeftOutRows::FieldTooLong), 1);
    EXPECT_EQ(outcome.leftOut.at("Calendar", LeftOutRows::FieldTooLong), 1);
    EXPECT_EQ(week.day(5).count(), 1);
    const ProgramCalendar &special = week.programCalendar();
    ASSERT_EQ(special.programs.size(), 3u);
    EXPECT_EQ(special.programs[1].name, "Fair");
    EXPECT_EQ(special.programs[2].name, "Exam");
    ASSERT_EQ(special.calendar.size(), 2u);
    EXPECT_EQ(special.calendar[0].note + special.calendar[1].note, "ab");

    // the first Save after such a load is refused, naming the rows, until they may go
    const QByteArray before = fileBytes(big);
    const FileOutcome refused = files.Save(big);
    EXPECT_EQ(refused.error, StoreError::RowsLeftOut);
    EXPECT_EQ(refused.leftOut.total(), 5);
    EXPECT_EQ(fileBytes(big), before);
    EXPECT_TRUE(files.Save(big, {.dropLeftOutRows = true}));
    EXPECT_TRUE(files.Save(big));
    EXPECT_EQ(queryRows(big, "SELECT count(*) FROM Friday"), QStringList{"1"});
    EXPECT_EQ(queryRows(big + ".bak", "SELECT count(*) FROM Friday"), QStringList{"1"});
}

TEST_F(UnusualFilesTest, TextsWithControlCharactersAreLeftOutWhereverTheyAre)
{
    const QString file =
        withRows("control.mdb",
                 {"INSERT INTO Monday VALUES(1,'           07:05','Melody' || char(27) || '[2J',0,'ON',1,0,0,0)",
                  "INSERT INTO Monday VALUES(2,'           07:10','Voice',1,'ON',1,0,0,0)",
                  "INSERT INTO DayPrograms VALUES(9, 'Exam' || char(27) || ']0;x', 1)",
                  "INSERT INTO DayPrograms VALUES(10, 'Sports', 2)",
                  "INSERT INTO DayPrograms VALUES(11, 'Fair' || char(194, 155), 3)",
                  "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(1, '2030-05-06', '2030-05-06', 10, "
                  "'bell' || char(7))",
                  "INSERT INTO Calendar (Entry, First, Last, Program, Note) VALUES(2, '2030-05-07', '2030-05-07', 10, "
                  "'pl' || CAST(X'FF' AS TEXT) || 'ain')",
                  // bytes that are not UTF-8 are left out; the name left is judged as any other
                  "INSERT INTO DayPrograms VALUES(12, CAST(X'FE' AS TEXT), 4)",
                  "INSERT INTO DayPrograms VALUES(13, CAST(X'53706F727473C0' AS TEXT), 5)"});
    const StoreOutcome outcome = files.Open(file);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.leftOut.counts[0][LeftOutRows::ControlCharacter], 1);
    EXPECT_EQ(outcome.leftOut.at("Day programs", LeftOutRows::ControlCharacter), 2);
    EXPECT_EQ(outcome.leftOut.at("Calendar", LeftOutRows::ControlCharacter), 1);
    EXPECT_EQ(week.day(1).entry(2).MelodyVoice, "Voice");
    ASSERT_EQ(week.programCalendar().programs.size(), 2u); // "No bells" and "Sports"
    ASSERT_EQ(week.programCalendar().calendar.size(), 1u);
    EXPECT_EQ(week.programCalendar().calendar[0].note, "plain");
    EXPECT_EQ(outcome.leftOut.at("Day programs", LeftOutRows::NameEmpty), 1);
    EXPECT_EQ(outcome.leftOut.at("Day programs", LeftOutRows::NameRepeated), 1);
    EXPECT_TRUE(outcome.leftOut.describe().contains("control character")) << outcome.leftOut.describe().toStdString();

    // and the editors refuse them
    ProgramCalendar special = week.programCalendar();
    EXPECT_EQ(checkProgramName(special, "Exam\tday"), ProgramCalendarFault::ControlCharacter);
    EXPECT_EQ(checkCalendarEntry(special, {QDate(2030, 1, 2), QDate(2030, 1, 2), 10, "a\nb"}),
              ProgramCalendarFault::ControlCharacter);
}

TEST_F(UnusualFilesTest, TriggersAndViewsAreReadButNoSaveRunsThem)
{
    const QString file = withRows(
        "triggers.mdb",
        {"INSERT INTO Monday VALUES(1,'           07:05','Melody',0,'ON',1,0,0,0)", "CREATE TABLE Mine (x TEXT)",
         "CREATE TRIGGER wipe AFTER INSERT ON Sunday BEGIN DELETE FROM Monday; INSERT INTO Mine VALUES('ran'); END",
         "CREATE VIEW peek AS SELECT * FROM Monday"});
    ASSERT_TRUE(files.Open(file));
    EXPECT_EQ(week.day(1).count(), 1);
    week.day(7).append(week.day(1).entry(1));
    const QByteArray before = fileBytes(file);

    // refused before anything is written, naming them
    StoreOutcome refused = files.Save(file);
    EXPECT_EQ(refused.error, StoreError::HasTriggers);
    EXPECT_EQ(refused.schema.triggers, QStringList{"wipe"});
    EXPECT_EQ(refused.schema.views, QStringList{"peek"});
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_FALSE(QFileInfo::exists(file + ".bak"));
    EXPECT_TRUE(causeText(refused, file).contains("wipe, peek")) << causeText(refused, file).toStdString();

    // removed in the save's own transaction: the week is written as it is, and nothing ran
    ASSERT_TRUE(files.Save(file, {.removeTriggers = true}));
    EXPECT_EQ(queryRows(file, "SELECT count(*) FROM Monday"), QStringList{"1"});
    EXPECT_EQ(queryRows(file, "SELECT count(*) FROM Sunday"), QStringList{"1"});
    EXPECT_EQ(queryRows(file, "SELECT count(*) FROM Mine"), QStringList{"0"});
    EXPECT_EQ(queryRows(file, "SELECT count(*) FROM sqlite_master WHERE type IN ('trigger', 'view')"),
              QStringList{"0"});
    EXPECT_TRUE(files.Save(file));
}

TEST_F(UnusualFilesTest, AFailedSaveKeepsTheOldBackupAndLeavesNoTemporaryFile)
{
    const QString file =
        withRows("week.mdb", {"INSERT INTO Monday VALUES(1,'           07:05','Melody',0,'ON',1,0,0,0)"});
    ASSERT_TRUE(files.Open(file));
    ASSERT_TRUE(files.Save(file));
    const QByteArray backup = fileBytes(file + ".bak");
    // a foreign file's constraint refuses the week the save writes
    runSql(file,
           {"DROP TABLE Tuesday",
            "CREATE TABLE Tuesday (ID INTEGER, Time TEXT, MelodyVoice TEXT CHECK (MelodyVoice <> 'Voice'), "
            "Selection TEXT, AC TEXT, CH1 TEXT, CH2 TEXT, CH3 TEXT, CH4 TEXT)"});
    ScheduleEntry voice = week.day(1).entry(1);
    voice.MelodyVoice = "Voice";
    week.day(2).append(voice);
    EXPECT_FALSE(files.Save(file));
    EXPECT_EQ(fileBytes(file + ".bak"), backup);
    EXPECT_EQ(QDir(dir.path()).entryList({"*saving*"}, QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(UnusualFilesTest, AnAccessDatabaseIsNamedWithTheWayToBringItsWeekOver)
{
    for (const char *format : {"Standard Jet DB", "Standard ACE DB"}) {
        QFile mdb(path("old.mdb"));
        ASSERT_TRUE(mdb.open(QIODevice::WriteOnly));
        mdb.write(QByteArray("\x00\x01\x00\x00", 4) + format + QByteArray(2048, '\0'));
        mdb.close();
        const FileOutcome outcome = files.Open(path("old.mdb"));
        EXPECT_EQ(outcome.error, StoreError::AccessDatabase);
        EXPECT_TRUE(outcome.cause().contains("Access database")) << outcome.cause().toStdString();
        EXPECT_TRUE(outcome.cause().contains("Upload it from the device")) << outcome.cause().toStdString();
    }
}

TEST_F(UnusualFilesTest, LeftoversOfCutShortSavesAreOfferedOrRemovedByTheirExactName)
{
    const QStringList names = {".week.mdb.0123abcd.saving",     ".week.mdb.0123abcd.saving-journal",
                               ".week.mdb.89abcdef.bak-saving", ".week.mdb.notes.saving",
                               ".new.mdb.0123abcd.saving",      "week.mdb.0123abcd.saving"};
    for (const QString &name : names) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    auto found = UnfinishedSaves::orphaned(dir.path());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].scheduleName, "new.mdb");
    EXPECT_EQ(found[1].scheduleName, "week.mdb");
    EXPECT_EQ(found[1].path, path(".week.mdb.0123abcd.saving"));

    ASSERT_TRUE(files.Save(path("week.mdb")));
    EXPECT_EQ(QDir(dir.path()).entryList({"*saving*"}, QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".new.mdb.0123abcd.saving", ".week.mdb.notes.saving", "week.mdb.0123abcd.saving"}));
    EXPECT_EQ(UnfinishedSaves::orphaned(dir.path()).size(), 1u);
}

TEST_F(UnusualFilesTest, RefusalsNameTheirRealCauseAndTouchNothing)
{
    const QString good =
        withRows("good.mdb", {"INSERT INTO Monday VALUES(1,'           07:05','Melody',0,'ON',1,0,0,0)"});
    ASSERT_TRUE(files.Open(good));

    // a file of a newer schema version, and another program's file, are neither read nor written
    const QString newer = withRows("newer.mdb", {"PRAGMA user_version = 4"});
    const QString foreign = withRows("foreign.mdb", {"PRAGMA application_id = 7"});
    const QString today = withRows("today.mdb", {"PRAGMA user_version = 0", "PRAGMA application_id = 0"});
    const FileOutcome newerOutcome = files.Open(newer);
    EXPECT_EQ(newerOutcome.error, StoreError::NewerVersion);
    EXPECT_TRUE(newerOutcome.cause().contains("newer version")) << newerOutcome.cause().toStdString();
    const QByteArray newerBytes = fileBytes(newer);
    EXPECT_EQ(files.Save(newer).error, StoreError::NewerVersion);
    EXPECT_EQ(fileBytes(newer), newerBytes);
    EXPECT_EQ(files.Open(foreign).error, StoreError::NotSchedule);
    EXPECT_TRUE(files.Open(today));
    EXPECT_TRUE(files.Save(today));

    // the template carries the program's marks
    EXPECT_EQ(queryRows(path("default.mdb"), "PRAGMA application_id"),
              QStringList{QString::number(ScheduleFileFormat::kApplicationId)});
    EXPECT_EQ(queryRows(path("default.mdb"), "PRAGMA user_version"), QStringList{"3"});

    // a file another program holds locked is busy, not "not a schedule database"
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open(good.toUtf8().constData(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const FileOutcome busy = files.Open(good);
    EXPECT_EQ(busy.error, StoreError::Busy);
    EXPECT_TRUE(busy.cause().contains("in use by another program")) << busy.cause().toStdString();
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);

    // a damaged template is named as the template: New and Save to a new file refuse, change nothing
    ASSERT_TRUE(files.Open(good));
    QByteArray bytes = fileBytes(path("default.mdb"));
    for (qsizetype i = 100; i < bytes.size(); i += 7)
        bytes[i] = char(0xA5);
    QFile broken(path("default.mdb"));
    broken.open(QIODevice::WriteOnly);
    broken.write(bytes);
    broken.close();
    const FileOutcome noNew = files.New();
    EXPECT_EQ(noNew.error, StoreError::TemplateDamaged);
    EXPECT_EQ(files.location().path(), good);
    EXPECT_EQ(week.day(1).count(), 1);
    EXPECT_TRUE(noNew.cause().startsWith("The template database")) << noNew.cause().toStdString();
    const FileOutcome noSave = files.Save(path("fresh.mdb"));
    EXPECT_EQ(noSave.error, StoreError::TemplateDamaged);
    EXPECT_EQ(noSave.stage, FileOutcome::Stage::SaveNew);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("fresh").size(), 0);
}

} // namespace
