#include "schedule/TriggersAndViews.h"

#include "schedule/SqliteRows.h"

#include <sqlite3.h>

namespace TriggersAndViews {

StoreOutcome::Schema find(sqlite3 *db)
{
    StoreOutcome::Schema found;
    SqliteRows::Statement select(db, "SELECT type, name FROM sqlite_master WHERE type IN ('trigger', 'view')");
    if (!select)
        return found;
    while (sqlite3_step(select.get()) == SQLITE_ROW) {
        const std::string type = SqliteRows::columnText(select.get(), 0);
        const QString name = QString::fromStdString(SqliteRows::columnText(select.get(), 1));
        (type == "trigger" ? found.triggers : found.views) << name;
    }
    return found;
}

StoreOutcome remove(sqlite3 *db)
{
    const StoreOutcome::Schema found = find(db);
    for (const QString &name : found.triggers) {
        const std::string sql = "DROP TRIGGER IF EXISTS " + SqliteRows::quoted(name.toStdString());
        if (StoreOutcome problem = SqliteRows::run(db, sql.c_str()); !problem)
            return problem;
    }
    for (const QString &name : found.views) {
        const std::string sql = "DROP VIEW IF EXISTS " + SqliteRows::quoted(name.toStdString());
        if (StoreOutcome problem = SqliteRows::run(db, sql.c_str()); !problem)
            return problem;
    }
    return {};
}

} // namespace TriggersAndViews
