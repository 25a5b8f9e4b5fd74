// Files the program did not write, or could not finish: what loading leaves out and says,
// and the cause each refusal names.
#include "ScheduleFileSupport.h"

#include "schedule/ScheduleFileFormat.h"
#include "schedule/ScheduleFiles.h"
#include "support/RecordingMessages.h"

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
    RecordingMessages messages;
    WeeklySchedule week;
    ScheduleFiles files{week, messages, dir.path()};
};

TEST_F(UnusualFilesTest, RowsThatCannotBeShownAreCountedToldAndWarnedOfBeforeTheNextSave)
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
        messages.shown.clear();
        const StoreOutcome outcome = files.Open(file);
        ASSERT_TRUE(outcome) << c.ids.join(',').toStdString();
        EXPECT_EQ(outcome.leftOut.counts[1][c.reason], c.leftOut) << c.ids.join(',').toStdString();
        EXPECT_EQ(outcome.leftOut.total(), c.leftOut);
        EXPECT_EQ(week.day(2).count() > 0, c.shown > 0);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].contains("Tuesday: ")) << messages.shown[0].toStdString();
        QFile::remove(file);
    }

    // a field far longer than any schedule field: its row only, counted (not a crash)
    const QString big = withRows(
        "big.mdb",
        {row.arg("Friday", "1"), row.arg("Friday", "2"), "UPDATE Friday SET AC = hex(zeroblob(524000)) WHERE ID = 2"});
    StoreOutcome outcome = files.Open(big);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.leftOut.counts[4][LeftOutRows::FieldTooLong], 1);
    EXPECT_EQ(week.day(5).count(), 1);

    // the first Save after such a load asks; Cancel writes nothing, OK saves and asks no more
    const QByteArray before = fileBytes(big);
    messages.answers = {Messages::Answer::Cancel};
    EXPECT_EQ(files.Save(big).error, StoreError::Cancelled);
    EXPECT_EQ(fileBytes(big), before);
    EXPECT_EQ(messages.asked.size(), 1);
    messages.answers = {Messages::Answer::Ok};
    EXPECT_TRUE(files.Save(big));
    EXPECT_TRUE(files.Save(big));
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_EQ(queryRows(big, "SELECT count(*) FROM Friday"), QStringList{"1"});
    EXPECT_EQ(queryRows(big + ".bak", "SELECT count(*) FROM Friday"), QStringList{"1"});
}

TEST_F(UnusualFilesTest, RefusalsNameTheirRealCauseAndTouchNothing)
{
    const QString good =
        withRows("good.mdb", {"INSERT INTO Monday VALUES(1,'           07:05','Melody',0,'ON',1,0,0,0)"});
    ASSERT_TRUE(files.Open(good));

    // a file of a newer schema version, and another program's file, are neither read nor written
    const QString newer = withRows("newer.mdb", {"PRAGMA user_version = 3"});
    const QString foreign = withRows("foreign.mdb", {"PRAGMA application_id = 7"});
    const QString today = withRows("today.mdb", {"PRAGMA user_version = 0", "PRAGMA application_id = 0"});
    EXPECT_EQ(files.Open(newer).error, StoreError::NewerVersion);
    EXPECT_TRUE(messages.shown.back().contains("newer version")) << messages.shown.back().toStdString();
    const QByteArray newerBytes = fileBytes(newer);
    EXPECT_EQ(files.Save(newer).error, StoreError::NewerVersion);
    EXPECT_EQ(fileBytes(newer), newerBytes);
    EXPECT_EQ(files.Open(foreign).error, StoreError::NotSchedule);
    EXPECT_TRUE(files.Open(today));
    EXPECT_TRUE(files.Save(today));

    // the template carries the program's marks
    EXPECT_EQ(queryRows(path("default.mdb"), "PRAGMA application_id"),
              QStringList{QString::number(ScheduleFileFormat::kApplicationId)});
    EXPECT_EQ(queryRows(path("default.mdb"), "PRAGMA user_version"), QStringList{"2"});

    // a file another program holds locked is busy, not "not a schedule database"
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open(good.toUtf8().constData(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    messages.shown.clear();
    EXPECT_EQ(files.Open(good).error, StoreError::Busy);
    EXPECT_TRUE(messages.shown.back().contains("in use by another program")) << messages.shown.back().toStdString();
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
    messages.shown.clear();
    EXPECT_FALSE(files.New());
    EXPECT_EQ(files.location().path(), good);
    EXPECT_EQ(week.day(1).count(), 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("DB Loading Error !\n\nThe template database"))
        << messages.shown[0].toStdString();
    EXPECT_FALSE(files.Save(path("fresh.mdb")));
    EXPECT_TRUE(messages.shown.back().contains("template database")) << messages.shown.back().toStdString();
    EXPECT_TRUE(messages.shown.back().contains("was not created")) << messages.shown.back().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("fresh").size(), 0);
}

} // namespace
