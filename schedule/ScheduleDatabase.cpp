#include "schedule/ScheduleDatabase.h"

#include "schedule/Weekday.h"

#include <QFileInfo>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace ScheduleDatabase {

QString tableName(int dayNumber)
{
    const std::string_view name = weekdayName(dayNumber);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QStringList columnNames()
{
    return {"ID", "Time", "MelodyVoice", "Selection", "AC", "CH1", "CH2", "CH3", "CH4"};
}

bool create(const QString &path, QString *error)
{
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    if (QFileInfo::exists(path))
        return fail(QStringLiteral("\"%1\" already exists.").arg(path));

    const QString connection = QStringLiteral("Tavrin schedule database maker");
    bool ok = false;
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            problem = db.lastError().text();
        } else {
            QSqlQuery query(db);
            ok = db.transaction();
            for (int d = kMonday; ok && d <= kSunday; ++d) {
                QStringList columns;
                for (const QString &name : columnNames())
                    columns << name + (name == QLatin1String("ID") ? " INTEGER" : " TEXT");
                ok = query.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(tableName(d), columns.join(", ")));
            }
            if (ok)
                ok = db.commit();
            if (!ok) {
                problem = query.lastError().isValid() ? query.lastError().text() : db.lastError().text();
                db.rollback();
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok ? true : fail(problem);
}

QString problemWith(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return query.lastError().text();
    QSet<QString> tables;
    while (query.next())
        tables.insert(query.value(0).toString().toLower());
    if (query.lastError().isValid())
        return query.lastError().text();

    for (int d = kMonday; d <= kSunday; ++d) {
        const QString table = tableName(d);
        if (!tables.contains(table.toLower()))
            return QStringLiteral("The table %1 is missing.").arg(table);
        const int columns = db.record(table).count();
        if (columns < kColumnCount)
            return QStringLiteral("The table %1 has %2 columns, not %3.").arg(table).arg(columns).arg(kColumnCount);
    }
    return {};
}

} // namespace ScheduleDatabase
