#pragma once

#include <QString>

#include <memory>

class CTavrinDoc;
class WeeklySchedule;

// Reading and writing schedule files as the program's Open and Save do (Save makes a new file
// from the template database beside the executables when the file does not exist, then
// replaces the whole week in one transaction). On failure `error` says why, and nothing was
// changed. Rows a load leaves out are told on standard error.
bool loadScheduleFile(const QString &path, WeeklySchedule &week, QString &error);
// The file's week, or nothing after its error has been told on standard error.
std::unique_ptr<WeeklySchedule> loadScheduleOrSay(const QString &path);
// A file holding triggers or views is written into only with removeTriggers, which drops them.
bool saveScheduleFile(const QString &path, const WeeklySchedule &week, QString &error, bool removeTriggers = false);
// Whether a save into path would be refused for the triggers or views it holds (checked before
// a device is read, so its week is not read in vain); error says so.
bool triggersAllowWriting(const QString &path, bool removeTriggers, QString &error);
// The template's week, what a schedule file made by saving nothing would hold.
bool loadTemplate(WeeklySchedule &week, QString &error);

// The file opened into doc for a change through its commands, or its error told.
bool openDocumentOrSay(CTavrinDoc &doc, const QString &path);
// doc saved back into path, or the error told.
bool saveDocumentOrSay(CTavrinDoc &doc, const QString &path);
