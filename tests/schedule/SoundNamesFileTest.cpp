// The sounds' names and the calendar entries' sources in a schedule file: through Save and
// Open, from files of the versions before them, and from rows the program did not write.
#include "ScheduleFileSupport.h"

#include "schedule/ScheduleFiles.h"

#include <QTemporaryDir>

using namespace storetest;

namespace {

class SoundNamesFileTest : public ::testing::Test {
protected:
    void SetUp() override { makeScheduleFile(path("default.mdb")); }
    QString path(const QString &name) const { return dir.path() + "/" + name; }

    QTemporaryDir dir;
    WeeklySchedule week;
    ScheduleFiles files{week, dir.path()};
};

TEST(SoundNames, NamesAreCheckedAndEntriesFindTheirSoundsName)
{
    SoundNames names;
    const QString forty = QString(40, QChar(0x9418)); // 40 characters of a CJK script
    EXPECT_TRUE(names.setName(SoundKind::Melody, 15, forty));
    EXPECT_TRUE(names.setName(SoundKind::Voice, 1, QString::fromUtf8("Alarma de incendio \xF0\x9F\x94\xA5")));
    EXPECT_FALSE(names.setName(SoundKind::Melody, 1, forty + "x"));
    EXPECT_FALSE(names.setName(SoundKind::Melody, 1, "Bell\nRing"));
    EXPECT_FALSE(names.setName(SoundKind::Melody, 16, "Sixteen"));
    EXPECT_FALSE(names.setName(SoundKind::Melody, 0, "Zero"));
    EXPECT_EQ(names.name(SoundKind::Melody, 1), "");

    EXPECT_EQ(names.nameFor("Melody", "15"), forty);
    EXPECT_EQ(names.nameFor("Voice", "1"), QString::fromUtf8("Alarma de incendio \xF0\x9F\x94\xA5"));
    EXPECT_EQ(names.nameFor("Voice", "15"), "");
    EXPECT_EQ(names.nameFor("Melody", "1x"), "");
    EXPECT_EQ(names.nameFor("", "15"), "");
    EXPECT_FALSE(names.isEmpty());
}

TEST_F(SoundNamesFileTest, NamesAndCalendarSourcesComeBackAsSaved)
{
    SoundNames names;
    names.setName(SoundKind::Melody, 3, "Westminster");
    names.setName(SoundKind::Voice, 12, QString::fromUtf8("Simulacro de incendio \xC3\xB1"));
    week.setSoundNames(names);
    ProgramCalendar special;
    special.calendar.push_back(
        {QDate(2027, 1, 4), QDate(2027, 1, 4), kNoBellsDay, "Holiday", "uid-7@school", QDate(2027, 1, 4)});
    special.calendar.push_back({QDate(2027, 2, 1), QDate(2027, 2, 2), kNoBellsDay, "By hand", "", QDate()});
    week.setProgramCalendar(special);
    setDay(week, 1, {entry(7 * 60, "Melody", "3")});

    ASSERT_TRUE(files.Save(path("week.mdb")));
    EXPECT_EQ(queryRows(path("week.mdb"), "PRAGMA user_version"), QStringList{"3"});
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT Kind, Number, Name FROM SoundNames ORDER BY Kind"),
              (QStringList{"Melody|3|Westminster", QString::fromUtf8("Voice|12|Simulacro de incendio \xC3\xB1")}));
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT SourceUid, SourceDate FROM Calendar ORDER BY Entry"),
              (QStringList{"uid-7@school|2027-01-04", "<null>|<null>"}));
    // the entry keeps the number
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT MelodyVoice, Selection FROM Monday"), QStringList{"Melody|3"});

    WeeklySchedule reopened;
    ScheduleFiles other(reopened, dir.path());
    const FileOutcome reread = other.Open(path("week.mdb"));
    ASSERT_TRUE(reread);
    EXPECT_TRUE(reread.leftOut.empty()) << reread.leftOut.describe().toStdString();
    EXPECT_EQ(reopened.soundNames(), names);
    EXPECT_EQ(reopened.programCalendar(), special);
    EXPECT_TRUE(reopened.sameDays(week));

    // a name removed is gone from the file; another file's names do not stay behind
    names.setName(SoundKind::Melody, 3, "");
    reopened.setSoundNames(names);
    EXPECT_FALSE(reopened.sameDays(week));
    ASSERT_TRUE(other.Save(path("week.mdb")));
    EXPECT_EQ(queryRows(path("week.mdb"), "SELECT count(*) FROM SoundNames"), QStringList{"1"});
    ASSERT_TRUE(other.Open(path("default.mdb")));
    EXPECT_TRUE(reopened.soundNames().isEmpty());
}

TEST_F(SoundNamesFileTest, OlderFilesOpenWithoutNamesAndOnlyASaveThatSucceedsUpgradesThem)
{
    const QStringList toVersion1 = {"DROP TABLE DayPrograms", "DROP TABLE ProgramEntries", "DROP TABLE Calendar",
                                    "DROP TABLE SoundNames", "PRAGMA user_version = 1"};
    const QStringList toVersion2 = {"DROP TABLE SoundNames", "DROP TABLE Calendar",
                                    "CREATE TABLE Calendar (Entry INTEGER, First TEXT, Last TEXT, Program INTEGER, "
                                    "Note TEXT)",
                                    "INSERT INTO Calendar VALUES(1,'2027-01-04','2027-01-05',8,'Old')",
                                    "PRAGMA user_version = 2"};
    for (const auto &[version, statements] : {std::pair{1, toVersion1}, std::pair{2, toVersion2}}) {
        SCOPED_TRACE(version);
        const QString old = path(QStringLiteral("v%1.mdb").arg(version));
        makeScheduleFile(old);
        runSql(old, statements);
        ASSERT_TRUE(files.Open(old));
        EXPECT_TRUE(week.soundNames().isEmpty());
        EXPECT_EQ(week.programCalendar().calendar.size(), version == 2 ? 1u : 0u);

        SoundNames names;
        names.setName(SoundKind::Voice, 2, "Lunch");
        week.setSoundNames(names);
        runSql(old, {"CREATE TRIGGER refuse BEFORE INSERT ON Sunday BEGIN SELECT RAISE(ABORT, 'locked'); END"});
        setDay(week, 7, {entry(60)});
        EXPECT_FALSE(files.Save(old));
        EXPECT_EQ(queryRows(old, "PRAGMA user_version"), QStringList{QString::number(version)});
        EXPECT_EQ(queryRows(old, "SELECT count(*) FROM sqlite_master WHERE name = 'SoundNames'"), QStringList{"0"});

        runSql(old, {"DROP TRIGGER refuse"});
        ASSERT_TRUE(files.Save(old));
        EXPECT_EQ(queryRows(old, "PRAGMA user_version"), QStringList{"3"});
        EXPECT_EQ(queryRows(old, "SELECT Kind, Number, Name FROM SoundNames"), QStringList{"Voice|2|Lunch"});
        EXPECT_EQ(queryRows(old, "SELECT Note, SourceUid FROM Calendar"),
                  version == 2 ? QStringList{"Old|<null>"} : QStringList{});
        ASSERT_TRUE(files.Open(old));
        EXPECT_EQ(week.soundNames(), names);
    }
}

TEST_F(SoundNamesFileTest, RowsThatNameNoSoundOrNoValidNameAreLeftOut)
{
    makeScheduleFile(path("odd.mdb"));
    runSql(path("odd.mdb"),
           {
               "INSERT INTO SoundNames VALUES('Melody',1,'Chime')",
               "INSERT INTO SoundNames VALUES('Melody',1,'Again')",
               "INSERT INTO SoundNames VALUES('melody',2,'Case')",
               "INSERT INTO SoundNames VALUES('Voice',16,'Too far')",
               "INSERT INTO SoundNames VALUES('Voice','x','Lettered')",
               "INSERT INTO SoundNames VALUES('Voice',3,'" + QString(41, 'n') + "')",
               "INSERT INTO SoundNames VALUES('Voice',4,'Tab' || char(9))",
               "INSERT INTO Calendar VALUES(1,'2027-01-04','2027-01-04',8,'',NULL,'2027-01-04')",
           });
    const FileOutcome outcome = files.Open(path("odd.mdb"));
    ASSERT_TRUE(outcome) << outcome.cause().toStdString();
    SoundNames expected;
    expected.setName(SoundKind::Melody, 1, "Chime");
    EXPECT_EQ(week.soundNames(), expected);
    ASSERT_EQ(week.programCalendar().calendar.size(), 1u); // half a source is none
    EXPECT_EQ(week.programCalendar().calendar[0].sourceDate, QDate());

    const LeftOutRows &left = outcome.leftOut;
    EXPECT_EQ(left.at("Sounds", LeftOutRows::SoundRepeated), 1);
    EXPECT_EQ(left.at("Sounds", LeftOutRows::SoundUnknown), 3);
    EXPECT_EQ(left.at("Sounds", LeftOutRows::SoundNameTooLong), 1);
    EXPECT_EQ(left.at("Sounds", LeftOutRows::ControlCharacter), 1);
    EXPECT_EQ(left.total(), 6);
}

} // namespace
