#include "ScheduleFileSupport.h"

#include "schedule/ScheduleStore.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace storetest;

namespace {

class ScheduleStoreTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    bool registerFile(const QString &name) { return bool(store.RegisterDataSource(dir.path(), name)); }

    // A fresh schedule file with the given statements run on it, registered.
    void prepare(const QString &name, const QStringList &statements)
    {
        makeScheduleFile(path(name));
        runSql(path(name), statements);
        ASSERT_TRUE(registerFile(name)) << store.lastError().toStdString();
    }

    QTemporaryDir dir;
    ScheduleStore store;
    WeeklySchedule week;
};

TEST_F(ScheduleStoreTest, RefusesWhatIsNotAScheduleDatabaseAndKeepsTheEarlierOne)
{
    makeScheduleFile(path(QStringLiteral("good.mdb")));
    runSql(path(QStringLiteral("good.mdb")),
           {QStringLiteral("INSERT INTO Monday VALUES(1,'           07:05','Melody',0,'ON',1,0,0,0)")});
    ASSERT_TRUE(registerFile(QStringLiteral("good.mdb")));

    QFile text(path(QStringLiteral("text.mdb")));
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray(4096, 'x'));
    text.close();
    QFile(path(QStringLiteral("empty.mdb"))).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir(QStringLiteral("folder.mdb"));
    makeScheduleFile(path(QStringLiteral("noThursday.mdb")));
    runSql(path(QStringLiteral("noThursday.mdb")), {QStringLiteral("DROP TABLE Thursday")});
    makeScheduleFile(path(QStringLiteral("narrow.mdb")));
    runSql(
        path(QStringLiteral("narrow.mdb")),
        {QStringLiteral("DROP TABLE Friday"), QStringLiteral("CREATE TABLE Friday (ID INTEGER, a, b, c, d, e, f, g)")});
    makeScheduleFile(path(QStringLiteral("view.mdb")));
    runSql(path(QStringLiteral("view.mdb")),
           {QStringLiteral("DROP TABLE Sunday"), QStringLiteral("CREATE VIEW Sunday AS SELECT * FROM Monday")});

    const QStringList bad = {QStringLiteral("missing.mdb"),    QStringLiteral("text.mdb"),
                             QStringLiteral("empty.mdb"),      QStringLiteral("folder.mdb"),
                             QStringLiteral("noThursday.mdb"), QStringLiteral("narrow.mdb"),
                             QStringLiteral("view.mdb"),       QString()};
    for (const QString &name : bad) {
        EXPECT_FALSE(registerFile(name)) << name.toStdString();
        EXPECT_FALSE(store.lastError().isEmpty());
    }
    // registering never creates a file
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing.mdb"))));
    EXPECT_EQ(fileBytes(path(QStringLiteral("empty.mdb"))).size(), 0);

    // the good file is still the registered one
    EXPECT_EQ(store.registeredLocation().path(), path(QStringLiteral("good.mdb")));
    ASSERT_TRUE(store.LoadAllDays(week));
    EXPECT_EQ(week.day(1).count(), 1);

    // a table named in another letter case is the same table to SQLite
    makeScheduleFile(path(QStringLiteral("lower.mdb")));
    runSql(path(QStringLiteral("lower.mdb")),
           {QStringLiteral("ALTER TABLE Monday RENAME TO mon"), QStringLiteral("ALTER TABLE mon RENAME TO monday")});
    EXPECT_TRUE(registerFile(QStringLiteral("lower.mdb")));

    EXPECT_FALSE(store.RemoveDataSource(dir.path(), QStringLiteral("good.mdb")));
    EXPECT_TRUE(store.RemoveDataSource(dir.path(), QStringLiteral("lower.mdb")));
    EXPECT_FALSE(store.isRegistered());
    EXPECT_EQ(store.LoadAllDays(week).error, StoreError::NotRegistered);
    EXPECT_EQ(store.SaveAllDays(week).error, StoreError::NotRegistered);
}

TEST_F(ScheduleStoreTest, LoadPlacesRowsByIdAndSettlesWhatTheIdsLeaveOpen)
{
    prepare(QStringLiteral("ids.mdb"),
            {
                // out of order
                QStringLiteral("INSERT INTO Monday VALUES(3,'           10:00','Voice',2,'OFF',0,0,0,1)"),
                QStringLiteral("INSERT INTO Monday VALUES(1,'           08:00','Melody',0,'ON',1,0,0,0)"),
                QStringLiteral("INSERT INTO Monday VALUES(2,'           09:00','Melody',1,'ON',0,1,0,0)"),
                // duplicates: the first one returned wins
                QStringLiteral("INSERT INTO Tuesday VALUES(1,'           06:00','Melody',5,'ON',1,1,1,1)"),
                QStringLiteral("INSERT INTO Tuesday VALUES(1,'           06:30','Voice',6,'OFF',0,0,0,0)"),
                QStringLiteral("INSERT INTO Tuesday VALUES(2,'           07:00','Voice',7,'OFF',0,0,0,0)"),
                // a gap, IDs that fit nowhere, NULL fields, a whole number stored as real or text
                QStringLiteral("INSERT INTO Wednesday VALUES(4,'           12:00','Voice',3,'ON',1,0,1,0)"),
                QStringLiteral("INSERT INTO Wednesday VALUES(1,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL)"),
                QStringLiteral("INSERT INTO Wednesday VALUES(0,'           01:00','x','x','x','x','x','x','x')"),
                QStringLiteral("INSERT INTO Wednesday VALUES(-7,'           01:00','x','x','x','x','x','x','x')"),
                QStringLiteral("INSERT INTO Wednesday VALUES(1441,'           01:00','x','x','x','x','x','x','x')"),
                QStringLiteral("INSERT INTO Wednesday VALUES(NULL,'           01:00','x','x','x','x','x','x','x')"),
                QStringLiteral("INSERT INTO Wednesday VALUES(2.5,'           01:00','x','x','x','x','x','x','x')"),
                QStringLiteral("INSERT INTO Wednesday VALUES(2.0,'           02:00','Melody',1,'ON',1,1,1,1)"),
                QStringLiteral("INSERT INTO Wednesday VALUES('abc','           01:00','x','x','x','x','x','x','x')"),
                // a time read back as a date and time
                QStringLiteral("INSERT INTO Thursday VALUES(1,'1899-12-30 07:05:00','Melody',4,'ON',1,0,0,0)"),
            });
    // a day that held entries before the load is replaced by its (empty) table
    setDay(week, 7, {entry(5), entry(6)});
    week.setShownDay(4);

    ASSERT_TRUE(store.LoadAllDays(week)) << store.lastError().toStdString();

    ASSERT_EQ(week.day(1).count(), 3);
    EXPECT_EQ(week.day(1).entry(1).Time, "           08:00");
    EXPECT_EQ(week.day(1).entry(2).Time, "           09:00");
    EXPECT_EQ(week.day(1).entry(3).Time, "           10:00");
    EXPECT_EQ(week.day(1).entry(3).MelodyVoice, "Voice");
    EXPECT_EQ(week.day(1).entry(3).CH4, "1");

    ASSERT_EQ(week.day(2).count(), 2);
    EXPECT_EQ(week.day(2).entry(1).Time, "           06:00");
    EXPECT_EQ(week.day(2).entry(1).Selection, "5");
    EXPECT_EQ(week.day(2).entry(2).Time, "           07:00");

    const DaySchedule &wed = week.day(3);
    ASSERT_EQ(wed.count(), 4);
    EXPECT_EQ(wed.entry(1), ScheduleEntry{});
    EXPECT_EQ(wed.entry(2).Time, "           02:00");
    EXPECT_EQ(wed.entry(3), ScheduleEntry{});
    EXPECT_EQ(wed.entry(4).Time, "           12:00");

    const std::string &time = week.day(4).entry(1).Time;
    EXPECT_EQ(time, "1899-12-30 07:05:00");
    EXPECT_EQ(minuteOfDay(time), 7 * 60 + 5);
    EXPECT_EQ(withBlankPrefix(time), "           07:05");

    for (int d = 5; d <= 7; ++d)
        EXPECT_EQ(week.day(d).count(), 0) << d;
    // the load touches the days only
    EXPECT_EQ(week.shownDay(), 4);
}

TEST_F(ScheduleStoreTest, SaveWritesEveryDayAsIdsOneToNAndReplacesWhatWasThere)
{
    prepare(QStringLiteral("save.mdb"),
            {QStringLiteral("INSERT INTO Monday VALUES(7,'old','old','old','old','old','old','old','old')"),
             QStringLiteral("INSERT INTO Sunday VALUES(1,'old','old','old','old','old','old','old','old')"),
             QStringLiteral("INSERT INTO Sunday VALUES(1,'old','old','old','old','old','old','old','old')")});
    ScheduleEntry blank = entry(0, "", "");
    blank.AC = blank.CH1 = "";
    setDay(week, 1, {entry(600), entry(30), blank});
    setDay(week, 3, {entry(1)});
    // Sunday stays empty

    ASSERT_TRUE(store.SaveAllDays(week)) << store.lastError().toStdString();
    EXPECT_EQ(
        queryRows(path(QStringLiteral("save.mdb")),
                  QStringLiteral("SELECT ID, Time, Selection, typeof(Selection), typeof(AC) FROM Monday")),
        (QStringList{QStringLiteral("1|           10:00|3|text|text"), QStringLiteral("2|           00:30|3|text|text"),
                     QStringLiteral("3|           00:00||text|text")}));
    EXPECT_EQ(queryRows(path(QStringLiteral("save.mdb")), QStringLiteral("SELECT ID FROM Wednesday")),
              QStringList{QStringLiteral("1")});
    EXPECT_TRUE(queryRows(path(QStringLiteral("save.mdb")), QStringLiteral("SELECT ID FROM Sunday")).isEmpty());

    // the model was only read
    EXPECT_EQ(week.shownDay(), 1);
    EXPECT_EQ(week.WorkingDay.count(), 0);

    ASSERT_TRUE(store.ClearAllTables());
    for (int d = 1; d <= 7; ++d)
        EXPECT_TRUE(
            queryRows(path(QStringLiteral("save.mdb")), "SELECT * FROM " + ScheduleDatabase::tableName(d)).isEmpty());
}

TEST_F(ScheduleStoreTest, AFullWeekWithAwkwardTextsComesBackEqual)
{
    prepare(QStringLiteral("week.mdb"), {});
    WeeklySchedule saved;
    const std::vector<std::string> awkward = {"it's",      "\"quoted\"", "'); DROP TABLE Monday; --", "",
                                              "Ωmega ünï", "%s %d",      std::string(300, '\'')};
    for (int d = 1; d <= 7; ++d) {
        std::vector<ScheduleEntry> entries;
        for (int i = 0; i < DaySchedule::kCapacity; ++i) {
            ScheduleEntry e = entry(i);
            e.field((i + d) % ScheduleEntry::kFieldCount) = awkward[(i * 7 + d) % awkward.size()];
            entries.push_back(e);
        }
        setDay(saved, d, entries);
    }
    ASSERT_EQ(saved.day(7).count(), 1440);

    ASSERT_TRUE(store.SaveAllDays(saved)) << store.lastError().toStdString();
    ASSERT_TRUE(store.LoadAllDays(week)) << store.lastError().toStdString();
    EXPECT_TRUE(sameDays(saved, week));

    // and a second save over it holds no leftovers
    setDay(saved, 2, {entry(5)});
    ASSERT_TRUE(store.SaveAllDays(saved));
    ASSERT_TRUE(store.LoadAllDays(week));
    EXPECT_TRUE(sameDays(saved, week));
}

TEST_F(ScheduleStoreTest, ASaveThatFailsMidwayLeavesFileAndModelAsTheyWere)
{
    prepare(QStringLiteral("fail.mdb"),
            {QStringLiteral("INSERT INTO Monday VALUES(1,'           07:00','Melody',0,'ON',1,0,0,0)"),
             QStringLiteral("INSERT INTO Friday VALUES(1,'           08:00','Voice',2,'OFF',0,1,0,0)")});
    WeeklySchedule before;
    for (int d = 1; d <= 7; ++d)
        setDay(week, d, {entry(d * 10), entry(d * 20)});
    week.setShownDay(5);
    week.LoadWorkingDay();
    before.copyFrom(week);

    // Thursday's rows are refused after Monday..Wednesday were already replaced
    runSql(path(QStringLiteral("fail.mdb")),
           {QStringLiteral("DROP TABLE Thursday"),
            QStringLiteral("CREATE TABLE Thursday (ID INTEGER, Time TEXT, MelodyVoice TEXT, Selection TEXT, AC "
                           "TEXT, CH1 TEXT, CH2 TEXT, CH3 TEXT, CH4 TEXT, CONSTRAINT locked CHECK (ID < 0))")});
    const QByteArray original = fileBytes(path(QStringLiteral("fail.mdb")));
    EXPECT_TRUE(store.SaveAllDays(week).detail.contains(QStringLiteral("locked")));
    EXPECT_EQ(fileBytes(path(QStringLiteral("fail.mdb"))), original);
    EXPECT_TRUE(sameDays(before, week));
    EXPECT_EQ(week.shownDay(), 5);
    EXPECT_TRUE(week.WorkingDay.sameEntries(before.WorkingDay));

    // a weekday table dropped behind the program's back
    runSql(path(QStringLiteral("fail.mdb")), {QStringLiteral("DROP TABLE Saturday")});
    const QByteArray withoutSaturday = fileBytes(path(QStringLiteral("fail.mdb")));
    EXPECT_FALSE(store.SaveAllDays(week));
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("Saturday"))) << store.lastError().toStdString();
    EXPECT_EQ(fileBytes(path(QStringLiteral("fail.mdb"))), withoutSaturday);

    // the same file's load fails the same way and keeps the model
    EXPECT_EQ(store.LoadAllDays(week).error, StoreError::NotSchedule);
    EXPECT_TRUE(sameDays(before, week));

    // the file removed after it was registered: neither load nor save makes a new one
    QFile::remove(path(QStringLiteral("fail.mdb")));
    EXPECT_FALSE(store.LoadAllDays(week));
    EXPECT_FALSE(store.SaveAllDays(week));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("fail.mdb"))));
    EXPECT_TRUE(sameDays(before, week));
}

TEST_F(ScheduleStoreTest, HostileContentLoadsWhatFitsOrIsRefused)
{
    // 100,000 rows in one table, a 1 MB text, negative IDs, extra columns
    makeScheduleFile(path(QStringLiteral("hostile.mdb")));
    runSql(
        path(QStringLiteral("hostile.mdb")),
        {QStringLiteral(
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000) "
             "INSERT INTO Monday SELECT i, printf('           %02d:%02d', (i / 60) % 24, i % 60), 'Melody', i % 16, "
             "'ON', 1, 0, 0, 0 FROM n"),
         QStringLiteral(
             "INSERT INTO Tuesday VALUES(1, zeroblob(8), hex(randomblob(524288)), X'00FF', 'ON', 1, 0, 0, 0)"),
         QStringLiteral("INSERT INTO Tuesday VALUES(-1,'x','x','x','x','x','x','x','x')"),
         QStringLiteral("INSERT INTO Tuesday VALUES(-2147483649,'x','x','x','x','x','x','x','x')"),
         QStringLiteral("INSERT INTO Tuesday VALUES(9223372036854775807,'x','x','x','x','x','x','x','x')"),
         QStringLiteral("DROP TABLE Wednesday"),
         QStringLiteral("CREATE TABLE Wednesday (ID INTEGER, a, b, c, d, e, f, g, h, extra1, extra2)"),
         QStringLiteral("INSERT INTO Wednesday VALUES(1,'           23:59','Voice',15,'OFF',0,0,0,1,'more','more')")});
    ASSERT_TRUE(registerFile(QStringLiteral("hostile.mdb")));
    const StoreOutcome loaded = store.LoadAllDays(week);
    ASSERT_TRUE(loaded) << store.lastError().toStdString();
    EXPECT_EQ(week.day(1).count(), DaySchedule::kCapacity);
    EXPECT_EQ(week.day(1).entry(1440).Time, "           00:00");
    EXPECT_EQ(loaded.leftOut.counts[0][LeftOutRows::IdOutOfRange], 100000 - 1440);
    // the 1 MB text is no schedule field: its row is left out and counted
    EXPECT_EQ(week.day(2).count(), 0);
    EXPECT_EQ(loaded.leftOut.counts[1][LeftOutRows::FieldTooLong], 1);
    EXPECT_EQ(loaded.leftOut.counts[1][LeftOutRows::IdOutOfRange], 3);
    ASSERT_EQ(week.day(3).count(), 1);
    EXPECT_EQ(week.day(3).entry(1).CH4, "1");

    // what was loaded saves back into the same shapes
    ASSERT_TRUE(store.SaveAllDays(week)) << store.lastError().toStdString();
    EXPECT_EQ(queryRows(path(QStringLiteral("hostile.mdb")), QStringLiteral("SELECT count(*), max(ID) FROM Monday")),
              QStringList{QStringLiteral("1440|1440")});
    EXPECT_EQ(queryRows(path(QStringLiteral("hostile.mdb")), QStringLiteral("SELECT ID, h, extra1 FROM Wednesday")),
              QStringList{QStringLiteral("1|1|<null>")});

    // a schedule file with its pages scribbled over: refused or loaded, never a crash
    makeScheduleFile(path(QStringLiteral("torn.mdb")));
    runSql(path(QStringLiteral("torn.mdb")),
           {QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1440) "
                           "INSERT INTO Friday SELECT i, 'x', 'y', 'z', 'ON', 1, 0, 0, 0 FROM n")});
    QByteArray bytes = fileBytes(path(QStringLiteral("torn.mdb")));
    for (qsizetype i = 4096 * 3; i < bytes.size(); i += 97)
        bytes[i] = char(i * 31);
    QFile torn(path(QStringLiteral("torn.mdb")));
    torn.open(QIODevice::WriteOnly);
    torn.write(bytes);
    torn.close();
    if (registerFile(QStringLiteral("torn.mdb")) && !store.LoadAllDays(week)) {
        EXPECT_FALSE(store.lastError().isEmpty());
    }
}

TEST(TemplateDatabase, TheBuiltTemplateIsAnEmptyScheduleDatabase)
{
    const QString templatePath = binPath(QStringLiteral("default.mdb"));
    ASSERT_TRUE(QFileInfo::exists(templatePath)) << templatePath.toStdString();
    ScheduleStore store;
    const QFileInfo info(templatePath);
    ASSERT_TRUE(store.RegisterDataSource(info.absolutePath(), info.fileName()));
    WeeklySchedule week;
    setDay(week, 1, {entry(1)});
    ASSERT_TRUE(store.LoadAllDays(week));
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(week.day(d).count(), 0);
    EXPECT_EQ(queryRows(templatePath, QStringLiteral("SELECT name FROM pragma_table_info('Monday')")),
              (QStringList{QStringLiteral("ID"), QStringLiteral("Time"), QStringLiteral("MelodyVoice"),
                           QStringLiteral("Selection"), QStringLiteral("AC"), QStringLiteral("CH1"),
                           QStringLiteral("CH2"), QStringLiteral("CH3"), QStringLiteral("CH4")}));
}

} // namespace
