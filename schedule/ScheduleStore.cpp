#include "schedule/ScheduleStore.h"

#include "schedule/Messages.h"
#include "schedule/ScheduleDatabase.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>

#include <array>
#include <cmath>
#include <memory>

const QString ScheduleStore::kConnectionName = QStringLiteral("Tavrin Access Database");

namespace {

const QString kLoadingError = QStringLiteral("DB Loading Error !");

// SQLite would create a missing file on open; asking for the file through a URI with an
// explicit mode makes a missing file an error instead.
QString sqliteUri(const QString &path, bool readOnly)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + (readOnly ? "?mode=ro" : "?mode=rw");
}

void pointAt(QSqlDatabase &db, const QString &path, bool readOnly)
{
    db.setDatabaseName(sqliteUri(path, readOnly));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
}

QString textOf(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Unknown database error.") : text;
}

// An ID as the row filter "ID = i" would match it: a whole number, stored as a number or
// as its digits.
bool wholeNumber(const QVariant &value, qint64 &out)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
        out = value.toLongLong();
        return true;
    case QMetaType::Double: {
        const double x = value.toDouble();
        if (!std::isfinite(x) || std::floor(x) != x || std::fabs(x) > 1e12)
            return false;
        out = qint64(x);
        return true;
    }
    case QMetaType::QString: {
        bool ok = false;
        out = value.toString().toLongLong(&ok);
        return ok;
    }
    default:
        return false;
    }
}

// The first nine column names of a weekday table, quoted for a statement; empty when the
// table is missing or too narrow.
QStringList quotedColumns(const QSqlDatabase &db, const QString &table)
{
    const QSqlRecord record = db.record(table);
    if (record.count() < ScheduleDatabase::kColumnCount)
        return {};
    QStringList names;
    for (int i = 0; i < ScheduleDatabase::kColumnCount; ++i)
        names << db.driver()->escapeIdentifier(record.fieldName(i), QSqlDriver::FieldName);
    return names;
}

// Binding an empty text must store an empty text, not NULL.
QString boundText(const std::string &text)
{
    if (text.empty())
        return QStringLiteral("");
    return QString::fromStdString(text);
}

} // namespace

ScheduleStore::ScheduleStore(Messages &messages, const QString &connectionName)
    : m_messages(messages)
    , m_connectionName(connectionName)
{
}

ScheduleStore::~ScheduleStore()
{
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

bool ScheduleStore::fail(const QString &reason, const QString &shown)
{
    m_lastError = reason;
    m_messages.show(shown, QString(), Messages::Icon::Error);
    return false;
}

void ScheduleStore::setConnection(const DatabaseLocation &location)
{
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
    m_location = location;
    if (location.isEmpty())
        return;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    pointAt(db, location.path(), false);
}

bool ScheduleStore::RegisterDataSource(const QString &directory, const QString &fileName)
{
    const DatabaseLocation location{directory, fileName};
    const QString path = location.path();
    const QFileInfo info(path);
    if (fileName.isEmpty() || !info.exists())
        return fail(QStringLiteral("\"%1\" does not exist.").arg(QDir::toNativeSeparators(path)), kLoadingError);
    if (!info.isFile() || !info.isReadable())
        return fail(QStringLiteral("\"%1\" cannot be read.").arg(QDir::toNativeSeparators(path)), kLoadingError);

    // Checked through a connection of its own, read-only, so that a bad file leaves the
    // registered one alone.
    const QString checkName = m_connectionName + QStringLiteral(" (check)");
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), checkName);
        pointAt(db, path, true);
        if (!db.open())
            problem = textOf(db.lastError());
        else
            problem = ScheduleDatabase::problemWith(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(checkName);
    if (!problem.isEmpty())
        return fail(QStringLiteral("\"%1\" is not a schedule database: %2").arg(QDir::toNativeSeparators(path), problem),
                    kLoadingError);

    setConnection(location);
    m_lastError.clear();
    return true;
}

bool ScheduleStore::RemoveDataSource(const QString &directory, const QString &fileName)
{
    if (m_location.isEmpty() || !(m_location == DatabaseLocation{directory, fileName}))
        return false;
    setConnection({});
    return true;
}

void ScheduleStore::restoreRegistration(const DatabaseLocation &location)
{
    if (!(location == m_location))
        setConnection(location);
}

bool ScheduleStore::LoadAllDays(WeeklySchedule &week)
{
    if (!isRegistered())
        return fail(QStringLiteral("No schedule database is open."), kLoadingError);
    if (!QFileInfo::exists(m_location.path()))
        return fail(QStringLiteral("\"%1\" does not exist.").arg(QDir::toNativeSeparators(m_location.path())),
                    kLoadingError);

    // Read into a scratch week first, so a table that fails halfway loses nothing.
    auto days = std::make_unique<std::array<DaySchedule, 7>>();
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (!db.open()) {
            problem = textOf(db.lastError());
        } else {
            for (int d = kMonday; d <= kSunday && problem.isEmpty(); ++d) {
                const QString table = ScheduleDatabase::tableName(d);
                const QStringList columns = quotedColumns(db, table);
                if (columns.isEmpty()) {
                    problem = QStringLiteral("The table %1 is missing or has too few columns.").arg(table);
                    break;
                }
                QSqlQuery query(db);
                query.setForwardOnly(true);
                if (!query.exec(QStringLiteral("SELECT %1 FROM %2").arg(columns.join(','), table))) {
                    problem = textOf(query.lastError());
                    break;
                }
                DaySchedule &day = (*days)[d - 1];
                std::vector<bool> filled(DaySchedule::kCapacity + 1, false);
                int highest = 0;
                while (query.next()) {
                    qint64 id = 0;
                    if (!wholeNumber(query.value(0), id) || id < 1 || id > DaySchedule::kCapacity || filled[id])
                        continue;
                    ScheduleEntry entry;
                    for (int f = 0; f < ScheduleEntry::kFieldCount; ++f)
                        entry.field(f) = query.value(f + 1).toString().toStdString();
                    day.setEntry(int(id), entry);
                    filled[id] = true;
                    highest = std::max(highest, int(id));
                }
                if (query.lastError().isValid())
                    problem = textOf(query.lastError());
                day.setCount(highest);
            }
            db.close();
        }
    }
    if (!problem.isEmpty())
        return fail(problem, kLoadingError);

    for (int d = kMonday; d <= kSunday; ++d)
        week.day(d).copyFrom((*days)[d - 1]);
    m_lastError.clear();
    return true;
}

bool ScheduleStore::ClearAllTables()
{
    if (!isRegistered())
        return fail(QStringLiteral("No schedule database is open."), QStringLiteral("No schedule database is open."));
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (!db.open()) {
            problem = textOf(db.lastError());
        } else if (!db.transaction()) {
            problem = textOf(db.lastError());
            db.close();
        } else {
            {
                QSqlQuery query(db);
                for (int d = kMonday; d <= kSunday && problem.isEmpty(); ++d) {
                    if (!query.exec(QStringLiteral("DELETE FROM %1").arg(ScheduleDatabase::tableName(d))))
                        problem = textOf(query.lastError());
                }
            }
            if (problem.isEmpty() && !db.commit())
                problem = textOf(db.lastError());
            if (!problem.isEmpty())
                db.rollback();
            db.close();
        }
    }
    if (!problem.isEmpty()) {
        return fail(problem, QStringLiteral("The schedule database \"%1\" could not be emptied.\n\n%2")
                                 .arg(QDir::toNativeSeparators(m_location.path()), problem));
    }
    m_lastError.clear();
    return true;
}

bool ScheduleStore::SaveAllDays(const WeeklySchedule &week)
{
    if (!isRegistered())
        return fail(QStringLiteral("No schedule database is open."), QStringLiteral("No schedule database is open."));
    const QString path = m_location.path();
    if (!QFileInfo::exists(path)) {
        const QString reason = QStringLiteral("\"%1\" does not exist.").arg(QDir::toNativeSeparators(path));
        return fail(reason, QStringLiteral("The schedule could not be saved.\n\n%1").arg(reason));
    }

    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (!db.open()) {
            problem = textOf(db.lastError());
        } else if (!db.transaction()) {
            problem = textOf(db.lastError());
            db.close();
        } else {
            for (int d = kMonday; d <= kSunday && problem.isEmpty(); ++d) {
                const QString table = ScheduleDatabase::tableName(d);
                QSqlQuery clear(db);
                if (!clear.exec(QStringLiteral("DELETE FROM %1").arg(table))) {
                    problem = textOf(clear.lastError());
                    break;
                }
                // Named columns, so a table with columns past the ninth still takes the row;
                // a table that lost its columns fails on the bare statement instead.
                const QStringList columns = quotedColumns(db, table);
                const QString placeholders = QStringLiteral("?,?,?,?,?,?,?,?,?");
                const QString statement = columns.isEmpty()
                    ? QStringLiteral("INSERT INTO %1 VALUES(%2)").arg(table, placeholders)
                    : QStringLiteral("INSERT INTO %1 (%2) VALUES(%3)").arg(table, columns.join(','), placeholders);
                QSqlQuery insert(db);
                if (!insert.prepare(statement)) {
                    problem = textOf(insert.lastError());
                    break;
                }
                const DaySchedule &day = week.day(d);
                for (int i = 1; i <= day.count(); ++i) {
                    const ScheduleEntry &entry = day.entry(i);
                    insert.bindValue(0, i);
                    for (int f = 0; f < ScheduleEntry::kFieldCount; ++f)
                        insert.bindValue(f + 1, boundText(entry.field(f)));
                    if (!insert.exec()) {
                        problem = textOf(insert.lastError());
                        break;
                    }
                }
            }
            if (problem.isEmpty() && !db.commit())
                problem = textOf(db.lastError());
            if (!problem.isEmpty())
                db.rollback();
            db.close();
        }
    }
    if (!problem.isEmpty()) {
        return fail(problem, QStringLiteral("The schedule could not be saved to \"%1\"; the file is unchanged.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), problem));
    }
    m_lastError.clear();
    return true;
}
