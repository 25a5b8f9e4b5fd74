#pragma once

#include "schedule/DatabaseLocation.h"
#include "schedule/ScheduleStore.h"

#include <QString>
#include <QStringList>

class Messages;
class WeeklySchedule;

// The file commands New, Open and Save without their dialogs: the shell asks the operator
// for paths and hands them in here. Each command returns true when it replaced the schedule
// in memory (New, Open) or wrote it out (Save); it then also set the database location and
// the title, made Monday the shown day and ran LoadWorkingDay, and the caller closes the cell
// editor and refills the list from WorkingDay. On false nothing changed (schedule, shown day,
// location, title, registration, files), the failure has been shown through Messages, and
// the list must be left as it is.
//
// The caller of Save stores the list into the shown day first, as for any store point.
//
// The template database "default.mdb" is looked for in the template directory, by default
// the directory of the running program, else the installed data folder.
class ScheduleFiles {
public:
    static const QString kTemplateFileName; // "default.mdb"
    static const QString kUntitled;         // "Untitled"

    ScheduleFiles(WeeklySchedule &week, Messages &messages, const QString &templateDirectory = QString());
    ~ScheduleFiles();
    ScheduleFiles(const ScheduleFiles &) = delete;
    ScheduleFiles &operator=(const ScheduleFiles &) = delete;

    // The directory of the running program (needs a QCoreApplication).
    static QString executableDirectory();
    // "Untitled" for a file named exactly "default.mdb" (case counts), else the file name.
    static QString titleFor(const QString &fileName);

    QString templatePath() const;
    // The schedule database that is open; empty before the first successful command.
    const DatabaseLocation &location() const { return m_location; }
    // The document title: "Untitled" at first and after New.
    const QString &title() const { return m_title; }

    // Opens the template database; the title becomes "Untitled". Run at start-up too.
    bool New();

    // Opens each path in turn; the last one that opens stays open. A path that cannot be
    // opened shows "DB Loading Error !" and is passed over. True when at least one opened.
    bool Open(const QStringList &paths);
    bool Open(const QString &path) { return Open(QStringList{path}); }

    // Writes the whole week into path: a missing file is first made as a copy of the
    // template, an existing schedule database has its contents replaced. The title becomes
    // the file name. A file there that is not a schedule database is left alone.
    bool Save(const QString &path);

    ScheduleStore &store() { return m_store; }

private:
    bool openLocation(const DatabaseLocation &location, const QString &title);
    void showMonday();

    WeeklySchedule &m_week;
    Messages &m_messages;
    ScheduleStore m_store;
    QString m_templateDirectory;
    DatabaseLocation m_location;
    QString m_title;
};
