#pragma once

#include "schedule/DatabaseLocation.h"
#include "schedule/FileOutcome.h"
#include "schedule/LeftOutRows.h"
#include "schedule/ScheduleStore.h"

#include <QString>

class WeeklySchedule;

// The file commands New, Open and Save without their dialogs and boxes: the shell asks the
// operator for paths, hands them in here, and puts the outcome into words. A successful
// command replaced the schedule in memory (New, Open) or wrote it out (Save), and also set the
// database location and the title, made Monday the shown day and ran LoadWorkingDay, and the
// caller closes the cell editor and refills the list from WorkingDay. On failure nothing
// changed (schedule, shown day, location, title, registration, files), the outcome says why,
// and the list must be left as it is.
//
// A loaded file's rows that cannot be shown come in the load's outcome (leftOut), for the
// caller to tell; the first Save after it is refused with RowsLeftOut until the operator has
// agreed to lose them.
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

    explicit ScheduleFiles(WeeklySchedule &week, const QString &templateDirectory = QString());
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

    // Opens the template database; the title becomes "Untitled". Run at start-up too. The
    // template's own failures are TemplateMissing or TemplateDamaged.
    FileOutcome New();

    // Opens the file at path; the title becomes its name ("Untitled" for "default.mdb").
    FileOutcome Open(const QString &path);

    // Writes the whole week into path. An existing schedule database keeps its previous
    // content as path + ".bak" (replacing the older backup only once the new week is
    // committed) and has its contents replaced in one transaction. A new file is made from
    // the template under a temporary name beside it and takes the chosen name only once the
    // week in it is committed. The title becomes the file name. A file there that is not a
    // schedule database is left alone. Leftovers of earlier saves of path cut short are
    // removed after a success (see UnfinishedSaves).
    //
    // Refused before anything is written, in this order: a file holding triggers or views
    // (HasTriggers, naming them in the outcome's schema) unless consent.removeTriggers, which
    // drops them in the same transaction as the week; then, after a load that left rows out,
    // RowsLeftOut (the rows in the outcome's leftOut) unless consent.dropLeftOutRows.
    FileOutcome Save(const QString &path, SaveConsent consent = {});

    ScheduleStore &store() { return m_store; }

private:
    FileOutcome openLocation(const DatabaseLocation &location, const QString &title, bool isTemplate);
    FileOutcome saveInto(const DatabaseLocation &target, bool removeTriggers);
    FileOutcome saveAsNew(const DatabaseLocation &target);
    void showMonday();

    WeeklySchedule &m_week;
    ScheduleStore m_store;
    QString m_templateDirectory;
    DatabaseLocation m_location;
    QString m_title;
    LeftOutRows m_leftOut; // of the last load, until a Save has dropped them
};
