#include "schedule/ScheduleDatabase.h"

#include "schedule/ProgramCalendarTables.h"
#include "schedule/ScheduleFileFormat.h"
#include "schedule/SqliteFile.h"
#include "schedule/Weekday.h"

#include <sqlite3.h>

#include <string>

namespace ScheduleDatabase {

QString tableName(int dayNumber)
{
    const std::string_view name = weekdayName(dayNumber);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QStringList columnNames()
{
    return {QStringLiteral("ID"),        QStringLiteral("Time"), QStringLiteral("MelodyVoice"),
            QStringLiteral("Selection"), QStringLiteral("AC"),   QStringLiteral("CH1"),
            QStringLiteral("CH2"),       QStringLiteral("CH3"),  QStringLiteral("CH4")};
}

bool create(const QString &path, QString *error)
{
    SqliteFile file;
    StoreOutcome outcome = file.open(path, SqliteFile::Mode::Create);
    if (outcome) {
        std::string sql = "BEGIN IMMEDIATE;";
        for (int d = kMonday; d <= kSunday; ++d) {
            QStringList columns;
            for (const QString &name : columnNames())
                columns << name + QLatin1String(name == QLatin1String("ID") ? " INTEGER" : " TEXT");
            sql += QStringLiteral("CREATE TABLE %1 (%2);")
                       .arg(tableName(d), columns.join(QStringLiteral(", ")))
                       .toStdString();
        }
        sql += ProgramCalendarTables::createStatements();
        sql += "PRAGMA application_id=" + std::to_string(ScheduleFileFormat::kApplicationId) + ";";
        sql += "PRAGMA user_version=" + std::to_string(ScheduleFileFormat::kSchemaVersion) + ";";
        sql += "COMMIT;";
        outcome = file.exec(sql);
    }
    if (outcome)
        return true;
    if (error)
        *error = outcome.detail.isEmpty() ? causeText(outcome, path) : outcome.detail;
    return false;
}

StoreOutcome check(sqlite3 *db)
{
    auto integer = [db](const char *sql, long long &out) {
        sqlite3_stmt *statement = nullptr;
        int code = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        if (code == SQLITE_OK) {
            code = sqlite3_step(statement);
            if (code == SQLITE_ROW) {
                out = sqlite3_column_int64(statement, 0);
                code = SQLITE_OK;
            }
        }
        sqlite3_finalize(statement);
        return code;
    };

    long long applicationId = 0;
    long long version = 0;
    if (integer("PRAGMA application_id", applicationId) != SQLITE_OK
        || integer("PRAGMA user_version", version) != SQLITE_OK)
        return StoreOutcome::fromDatabase(db);
    if (applicationId != 0 && applicationId != ScheduleFileFormat::kApplicationId)
        return StoreOutcome::failure(StoreError::NotSchedule, QStringLiteral("it belongs to another program"));
    if (version > ScheduleFileFormat::kSchemaVersion)
        return StoreOutcome::failure(StoreError::NewerVersion,
                                     QStringLiteral("schema version %1; this program knows %2")
                                         .arg(version)
                                         .arg(ScheduleFileFormat::kSchemaVersion));

    for (int d = kMonday; d <= kSunday; ++d) {
        const QString table = tableName(d);
        const std::string name = table.toStdString();
        const std::string isTable =
            "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '" + name + "' COLLATE NOCASE";
        const std::string sql = "SELECT count(*) FROM pragma_table_info('" + name + "')";
        long long tables = 0;
        long long columns = 0;
        if (integer(isTable.c_str(), tables) != SQLITE_OK || integer(sql.c_str(), columns) != SQLITE_OK)
            return StoreOutcome::fromDatabase(db);
        if (tables == 0)
            return StoreOutcome::failure(StoreError::NotSchedule, QStringLiteral("the table %1 is missing").arg(table));
        if (columns < kColumnCount)
            return StoreOutcome::failure(
                StoreError::NotSchedule,
                QStringLiteral("the table %1 has %2 columns, not %3").arg(table).arg(columns).arg(kColumnCount));
    }
    return ProgramCalendarTables::check(db);
}

} // namespace ScheduleDatabase
