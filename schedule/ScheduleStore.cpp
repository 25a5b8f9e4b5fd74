#include "schedule/ScheduleStore.h"

#include "schedule/Messages.h"
#include "schedule/ScheduleDatabase.h"
#include "schedule/WeekTables.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>

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

// Load and save run their loops on SQLite's own handle of the registered connection.
QString ScheduleStore::withOpenDatabase(const std::function<QString(sqlite3 *)> &work)
{
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (!db.isValid()) {
            problem = QStringLiteral("No schedule database is open.");
        } else if (!db.open()) {
            problem = textOf(db.lastError());
        } else {
            const QVariant handle = db.driver()->handle();
            if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
                problem = work(*static_cast<sqlite3 *const *>(handle.constData()));
            else
                problem = QStringLiteral("The schedule database driver is not SQLite.");
            db.close();
        }
    }
    return problem;
}

bool ScheduleStore::LoadAllDays(WeeklySchedule &week)
{
    if (!isRegistered())
        return fail(QStringLiteral("No schedule database is open."), kLoadingError);
    if (!QFileInfo::exists(m_location.path()))
        return fail(QStringLiteral("\"%1\" does not exist.").arg(QDir::toNativeSeparators(m_location.path())),
                    kLoadingError);

    // Read into a scratch week first, so a table that fails halfway loses nothing.
    auto days = std::make_unique<WeekTables::Days>();
    const QString problem = withOpenDatabase([&](sqlite3 *db) { return WeekTables::read(db, *days); });
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
    const QString path = m_location.path();
    QString problem = QFileInfo::exists(path)
        ? withOpenDatabase([](sqlite3 *db) { return WeekTables::clear(db); })
        : QStringLiteral("\"%1\" does not exist.").arg(QDir::toNativeSeparators(path));
    if (!problem.isEmpty()) {
        return fail(problem, QStringLiteral("The schedule database \"%1\" could not be emptied; the file is unchanged.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), problem));
    }
    m_lastError.clear();
    return true;
}

bool ScheduleStore::SaveAllDays(const WeeklySchedule &week)
{
    if (!isRegistered())
        return fail(QStringLiteral("No schedule database is open."), QStringLiteral("No schedule database is open."));
    const QString path = m_location.path();
    QString problem = QFileInfo::exists(path)
        ? withOpenDatabase([&](sqlite3 *db) { return WeekTables::write(db, week); })
        : QStringLiteral("\"%1\" does not exist.").arg(QDir::toNativeSeparators(path));
    if (!problem.isEmpty()) {
        return fail(problem, QStringLiteral("The schedule could not be saved to \"%1\"; the file is unchanged.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), problem));
    }
    m_lastError.clear();
    return true;
}
