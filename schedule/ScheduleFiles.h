#pragma once

#include "schedule/DatabaseLocation.h"
#include "schedule/LeftOutRows.h"
#include "schedule/ScheduleStore.h"

#include <QString>
#include <QStringList>

class Messages;
class WeeklySchedule;

// The file commands New, Open and Save without their dialogs: the shell asks the operator
// for paths and hands them in here. Each command returns its outcome; a successful one
// replaced the schedule in memory (New, Open) or wrote it out (Save), and also set the
// database location and the title, made Monday the shown day and ran LoadWorkingDay, and the
// caller closes the cell editor and refills the list from WorkingDay. On failure nothing
// changed (schedule, shown day, location, title, registration, files), the failure has been
// shown through Messages ("DB Loading Error !" and its cause for New and Open), and the list
// must be left as it is.
//
// A loaded file's rows that cannot be shown are told once, after the load; the first Save
// after it warns that they will not be kept and may be cancelled.
//
// The caller of Save stores the list into the shown day first, as for any store point.
//
// The template database "default.mdb" is looked for in the template directory, by default
// the directory of the running program, else the installed data folder.
class ScheduleFiles {
public:
    static const QString kTemplateFileName; // "default.mdb"
    static const QString kUntitled; // "Untitled"
    static const QString kBackupSuffix; // ".bak"

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
    StoreOutcome New();

    // Opens each path in turn; the last one that opens stays open. A path that cannot be
    // opened shows "DB Loading Error !" and is passed over. A success when at least one opened.
    StoreOutcome Open(const QStringList &paths);
    StoreOutcome Open(const QString &path) { return Open(QStringList{path}); }

    // Writes the whole week into path. An existing schedule database keeps its previous
    // content as path + ".bak" (replacing the older backup only once the new week is
    // committed) and has its contents replaced in one transaction. A new file is made from
    // the template under a temporary name beside it and takes the chosen name only once the
    // week in it is committed. The title becomes the file name. A file there that is not a
    // schedule database is left alone. Leftovers of earlier saves of path cut short are
    // removed after a success (see UnfinishedSaves).
    //
    // A file holding triggers or views is refused with HasTriggers, naming them in the
    // outcome's schema, before anything is asked or written and without a message: the
    // caller asks the operator, and saves again with removeTriggers to drop them in the same
    // transaction as the week.
    StoreOutcome Save(const QString &path, bool removeTriggers = false);

    ScheduleStore &store() { return m_store; }

private:
    StoreOutcome openLocation(const DatabaseLocation &location, const QString &title, bool isTemplate);
    StoreOutcome saveInto(const DatabaseLocation &target, bool removeTriggers);
    StoreOutcome saveAsNew(const DatabaseLocation &target);
    StoreOutcome failed(const StoreOutcome &outcome, const QString &text);
    void showMonday();

    WeeklySchedule &m_week;
    Messages &m_messages;
    ScheduleStore m_store;
    QString m_templateDirectory;
    DatabaseLocation m_location;
    QString m_title;
    LeftOutRows m_leftOut; // of the last load, until a Save has dropped them
};
