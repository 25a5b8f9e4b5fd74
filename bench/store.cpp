// Saving and loading a full week (7 x 1440 entries) in a schedule file on disk: the store's
// way (one query per weekday to load, one transaction with bound parameters to save) beside
// the row-by-row way (a count and then one filtered query per ID to load, one autocommitted
// delete per row and one autocommitted insert per row to save, a connection per weekday).
#include "schedule/Messages.h"
#include "schedule/ScheduleDatabase.h"
#include "schedule/ScheduleStore.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

class PrintedMessages : public Messages {
public:
    void show(const QString &text, const QString &, Icon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    Answer askSaveChanges(const QString &, const QString &) override { return Answer::Cancel; }
    Answer askOkCancel(const QString &, const QString &) override { return Answer::Ok; }
};

void fillWeek(WeeklySchedule &week)
{
    for (int d = 1; d <= 7; ++d) {
        DaySchedule &day = week.day(d);
        day.clear();
        for (int minute = 0; minute < DaySchedule::kCapacity; ++minute) {
            ScheduleEntry e;
            e.Time = storedTime(minute / 60, minute % 60);
            e.MelodyVoice = minute % 2 ? "Melody" : "Voice";
            e.Selection = std::to_string(minute % 16);
            e.AC = minute % 3 ? "ON" : "OFF";
            e.CH1 = e.CH3 = "1";
            e.CH2 = e.CH4 = "0";
            day.append(e);
        }
    }
}

// A schedule file in a fresh folder under the system's temporary folder (on disk here).
struct WeekFile {
    WeekFile()
    {
        path = QDir(dir.path()).filePath(QStringLiteral("week.mdb"));
        ScheduleDatabase::create(path);
        fillWeek(week);
    }
    QTemporaryDir dir;
    QString path;
    WeeklySchedule week;
};

void StoreSaveAndLoadFullWeek(benchmark::State &state)
{
    WeekFile file;
    ScheduleStore store;
    store.RegisterDataSource(file.dir.path(), QStringLiteral("week.mdb"));
    auto loaded = std::make_unique<WeeklySchedule>();
    for (auto _ : state) {
        if (!store.SaveAllDays(file.week) || !store.LoadAllDays(*loaded))
            state.SkipWithError("store failed");
    }
    if (!loaded->day(7).sameEntries(file.week.day(7)))
        state.SkipWithError("loaded week differs");
}
BENCHMARK(StoreSaveAndLoadFullWeek)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void StoreSaveFullWeek(benchmark::State &state)
{
    WeekFile file;
    ScheduleStore store;
    store.RegisterDataSource(file.dir.path(), QStringLiteral("week.mdb"));
    for (auto _ : state)
        store.SaveAllDays(file.week);
}
BENCHMARK(StoreSaveFullWeek)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void StoreLoadFullWeek(benchmark::State &state)
{
    WeekFile file;
    ScheduleStore store;
    store.RegisterDataSource(file.dir.path(), QStringLiteral("week.mdb"));
    store.SaveAllDays(file.week);
    auto loaded = std::make_unique<WeeklySchedule>();
    for (auto _ : state)
        store.LoadAllDays(*loaded);
}
BENCHMARK(StoreLoadFullWeek)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The full week and 20 full day programs with 200 calendar entries: three weeks' worth of
// rows more in the same one transaction and one read.
void StoreSaveAndLoadWeekWithPrograms(benchmark::State &state)
{
    WeekFile file;
    ProgramCalendar special;
    for (int p = 0; p < 20; ++p)
        special.programs.push_back({kFirstProgramDay + 1 + p, QStringLiteral("Program %1").arg(p)});
    for (int c = 0; c < 200; ++c)
        special.calendar.push_back({QDate(2027, 1, 1).addDays(c), QDate(2027, 1, 1).addDays(c),
                                    kFirstProgramDay + 1 + c % 20, QStringLiteral("note")});
    file.week.setProgramCalendar(special);
    for (const DayProgram &p : special.programs)
        if (p.day != kNoBellsDay)
            file.week.day(p.day).copyFrom(file.week.day(1 + p.day % 7));
    ScheduleStore store;
    store.RegisterDataSource(file.dir.path(), QStringLiteral("week.mdb"));
    auto loaded = std::make_unique<WeeklySchedule>();
    for (auto _ : state) {
        if (!store.SaveAllDays(file.week) || !store.LoadAllDays(*loaded))
            state.SkipWithError("store failed");
    }
    if (!loaded->sameDays(file.week))
        state.SkipWithError("loaded week differs");
}
BENCHMARK(StoreSaveAndLoadWeekWithPrograms)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// ---- the row-by-row way ----

const QString kRowConnection = QStringLiteral("row by row");

template <typename Work> void withConnection(const QString &path, Work work)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kRowConnection);
        db.setDatabaseName(path);
        if (db.open())
            work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(kRowConnection);
}

bool rowByRowSave(const QString &path, const WeeklySchedule &week)
{
    bool ok = true;
    // empty every table one row at a time
    for (int d = 1; d <= 7; ++d) {
        withConnection(path, [&](QSqlDatabase &db) {
            const QString table = ScheduleDatabase::tableName(d);
            QSqlQuery query(db);
            int rows = 0;
            query.exec(QStringLiteral("SELECT * FROM ") + table);
            while (query.next())
                ++rows;
            for (int i = 0; i < rows; ++i)
                ok &= query.exec(
                    QStringLiteral("DELETE FROM %1 WHERE rowid = (SELECT rowid FROM %1 LIMIT 1)").arg(table));
        });
    }
    // and write every row in a statement of its own
    for (int d = 1; d <= 7; ++d) {
        withConnection(path, [&](QSqlDatabase &db) {
            const QString table = ScheduleDatabase::tableName(d);
            const DaySchedule &day = week.day(d);
            QSqlQuery query(db);
            for (int i = 1; i <= day.count(); ++i) {
                const ScheduleEntry &e = day.entry(i);
                const QString statement =
                    QStringLiteral("INSERT INTO %1 VALUES(%2,'%3','%4',%5,'%6',%7,%8,%9,%10);")
                        .arg(table)
                        .arg(i)
                        .arg(QString::fromStdString(e.Time), QString::fromStdString(e.MelodyVoice),
                             QString::fromStdString(e.Selection), QString::fromStdString(e.AC),
                             QString::fromStdString(e.CH1), QString::fromStdString(e.CH2),
                             QString::fromStdString(e.CH3), QString::fromStdString(e.CH4));
                ok &= query.exec(statement);
            }
        });
    }
    return ok;
}

void rowByRowLoad(const QString &path, WeeklySchedule &week)
{
    for (int d = 1; d <= 7; ++d) {
        withConnection(path, [&](QSqlDatabase &db) {
            const QString table = ScheduleDatabase::tableName(d);
            QSqlQuery query(db);
            int rows = 0;
            query.exec(QStringLiteral("SELECT * FROM ") + table);
            while (query.next())
                ++rows;
            DaySchedule &day = week.day(d);
            for (int i = 1; i <= rows && i <= DaySchedule::kCapacity; ++i) {
                query.exec(QStringLiteral("SELECT * FROM %1 WHERE ID = %2").arg(table).arg(i));
                day.setCount(rows);
                ScheduleEntry e;
                if (query.next()) {
                    for (int f = 0; f < ScheduleEntry::kFieldCount; ++f)
                        e.field(f) = query.value(f + 1).toString().toStdString();
                }
                day.setEntry(i, e);
            }
        });
    }
}

void RowByRowSaveAndLoadFullWeek(benchmark::State &state)
{
    WeekFile file;
    auto loaded = std::make_unique<WeeklySchedule>();
    for (auto _ : state) {
        if (!rowByRowSave(file.path, file.week))
            state.SkipWithError("row-by-row save failed");
        rowByRowLoad(file.path, *loaded);
    }
    if (!loaded->day(7).sameEntries(file.week.day(7)))
        state.SkipWithError("loaded week differs");
}
BENCHMARK(RowByRowSaveAndLoadFullWeek)->Unit(benchmark::kMillisecond)->Iterations(1);

void RowByRowLoadFullWeek(benchmark::State &state)
{
    WeekFile file;
    {
        ScheduleStore store;
        store.RegisterDataSource(file.dir.path(), QStringLiteral("week.mdb"));
        store.SaveAllDays(file.week);
    }
    auto loaded = std::make_unique<WeeklySchedule>();
    for (auto _ : state)
        rowByRowLoad(file.path, *loaded);
}
BENCHMARK(RowByRowLoadFullWeek)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
