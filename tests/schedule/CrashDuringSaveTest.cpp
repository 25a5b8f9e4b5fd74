// A Save killed at every write, sync, truncate and delete it makes: the file then opens with
// exactly the old or exactly the new week, and a later Save onto it works.
#include "CrashingVfs.h"
#include "ScheduleFileSupport.h"

#include "schedule/ScheduleFiles.h"
#include "schedule/ScheduleStore.h"
#include "schedule/UnfinishedSaves.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace storetest;

namespace {

void fill(WeeklySchedule &week, int entries, const std::string &kind)
{
    for (int d = 1; d <= 7; ++d) {
        std::vector<ScheduleEntry> day;
        for (int i = 0; i < entries; ++i)
            day.push_back(entry(i * 3 + d, kind));
        setDay(week, d, day);
    }
}

bool sameWeek(const WeeklySchedule &a, const WeeklySchedule &b)
{
    for (int d = 1; d <= 7; ++d)
        if (!a.day(d).sameEntries(b.day(d)))
            return false;
    return true;
}

// Runs Save(path) in a child that dies at the given point; true when it was killed.
bool saveKilledAt(int point, const QString &templateDir, const QString &path, const WeeklySchedule &week)
{
    const pid_t child = fork();
    if (child == 0) {
        crashingvfs::installKillingAt(point);
        WeeklySchedule toSave;
        toSave.copyFrom(week);
        ScheduleFiles files(toSave, templateDir);
        _exit(files.Save(path) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// The kills are made by the test, not by the machine: what a disk keeps is not in question, and
// its syncs, two thousand saves of them, cost seconds. The files live in memory where the
// system has such a folder.
QString scratchTemplate()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString base = memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return base + QStringLiteral("/tavrin-crash-XXXXXX");
}

TEST(CrashDuringSave, EveryKillPointLeavesTheOldOrTheNewWeekAndASaveWorksAfter)
{
    QTemporaryDir root(scratchTemplate());
    ASSERT_TRUE(root.isValid());
    WeeklySchedule oldWeek, newWeek, loaded;
    fill(oldWeek, 20, "Melody");
    fill(newWeek, 40, "Voice");

    enum Target { ExistingFile, Template, NewFile };
    QString pristine[3];
    for (Target target : {ExistingFile, Template, NewFile}) {
        pristine[target] = root.path() + QStringLiteral("/pristine%1").arg(int(target));
        QDir().mkpath(pristine[target]);
        makeScheduleFile(pristine[target] + "/default.mdb");
        if (target == NewFile)
            continue;
        WeeklySchedule copy;
        copy.copyFrom(oldWeek);
        ScheduleFiles files(copy, pristine[target]);
        ASSERT_TRUE(files.Save(pristine[target] + (target == Template ? "/default.mdb" : "/week.mdb")));
    }
    const QString programDir = root.path() + "/program";

    int killPoints = 0;
    for (Target target : {ExistingFile, Template, NewFile}) {
        for (int point = 1; point < 2000; ++point) {
            // the folder as it was before the save: copied bytes of files made once
            const QString path = programDir + (target == Template ? "/default.mdb" : "/week.mdb");
            QDir(programDir).removeRecursively();
            QDir().mkpath(programDir);
            for (const QString &name : QDir(pristine[target]).entryList(QDir::Files))
                QFile::copy(pristine[target] + "/" + name, programDir + "/" + name);

            const bool killed = saveKilledAt(point, programDir, path, newWeek);
            killPoints += killed;
            SCOPED_TRACE(QStringLiteral("target %1, kill point %2").arg(int(target)).arg(point).toStdString());

            ScheduleFiles files(loaded, programDir);
            if (target == NewFile && !QFileInfo::exists(path)) {
                EXPECT_TRUE(killed);
                // what the kill left under a temporary name is offered, not removed
                for (const UnfinishedSaves::Leftover &leftover : UnfinishedSaves::orphaned(programDir))
                    EXPECT_EQ(leftover.scheduleName, "week.mdb");
            } else if (target == Template) {
                const FileOutcome outcome = files.New();
                ASSERT_TRUE(outcome) << outcome.cause().toStdString();
                EXPECT_TRUE(outcome.leftOut.empty());
                EXPECT_TRUE(sameWeek(loaded, oldWeek) || sameWeek(loaded, newWeek));
            } else {
                // a new file appears only complete; an existing one holds one week or the other
                const FileOutcome outcome = files.Open(path);
                ASSERT_TRUE(outcome) << outcome.cause().toStdString();
                EXPECT_TRUE(outcome.leftOut.empty());
                EXPECT_TRUE(sameWeek(loaded, newWeek) || (target == ExistingFile && sameWeek(loaded, oldWeek)));
            }
            // and the file (or, after the template, a new one) takes a Save
            loaded.copyFrom(newWeek);
            const QString next = target == Template ? programDir + "/after.mdb" : path;
            const FileOutcome saved = files.Save(next);
            EXPECT_TRUE(saved) << saved.cause().toStdString();
            // and takes away what the cut-short save left beside it
            if (next == path) {
                EXPECT_EQ(QDir(programDir).entryList({"*saving*"}, QDir::Files | QDir::Hidden), QStringList());
            }
            if (!killed)
                break;
            if (HasFailure())
                return;
        }
    }
    std::printf("[ crash    ] %d kill points tried\n", killPoints);
    EXPECT_GT(killPoints, 30);
}

} // namespace
