#pragma once

// Helpers for the store and file-command tests: schedule files in a temporary folder, raw SQL
// on them through a connection of their own, and entries to fill days with.

#include "schedule/ScheduleDatabase.h"
#include "schedule/ScheduleEntry.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"

#include <QByteArray>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

#include <string>

namespace storetest {

// Runs statements on the SQLite file at path (created when missing); fails the test on error.
inline void runSql(const QString &path, const QStringList &statements)
{
    const QString name = QStringLiteral("storetest raw");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery query(db);
        for (const QString &statement : statements)
            EXPECT_TRUE(query.exec(statement))
                << statement.toStdString() << ": " << query.lastError().text().toStdString();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// The rows of one query as text lines, fields joined with '|'; NULL shows as <null>.
inline QStringList queryRows(const QString &path, const QString &statement)
{
    QStringList rows;
    const QString name = QStringLiteral("storetest read");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        if (!query.exec(statement))
            rows << QStringLiteral("error: ") + query.lastError().text();
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << (query.isNull(i) ? QStringLiteral("<null>") : query.value(i).toString());
            rows << fields.join('|');
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

inline QString makeScheduleFile(const QString &path)
{
    QString error;
    EXPECT_TRUE(ScheduleDatabase::create(path, &error)) << error.toStdString();
    return path;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

inline ScheduleEntry entry(int minute, std::string melodyVoice = "Melody", std::string selection = "3")
{
    ScheduleEntry e;
    e.Time = storedTime(minute / 60 % 24, minute % 60);
    e.MelodyVoice = std::move(melodyVoice);
    e.Selection = std::move(selection);
    e.AC = minute % 2 ? "ON" : "OFF";
    e.CH1 = "1";
    e.CH2 = "0";
    e.CH3 = minute % 3 ? "1" : "0";
    e.CH4 = "0";
    return e;
}

inline void setDay(WeeklySchedule &week, int day, const std::vector<ScheduleEntry> &entries)
{
    DaySchedule &d = week.day(day);
    d.clear();
    for (const ScheduleEntry &e : entries)
        d.append(e);
}

inline bool sameDays(const WeeklySchedule &a, const WeeklySchedule &b)
{
    for (int d = 1; d <= 7; ++d) {
        if (!a.day(d).sameEntries(b.day(d)))
            return false;
    }
    return true;
}

} // namespace storetest
