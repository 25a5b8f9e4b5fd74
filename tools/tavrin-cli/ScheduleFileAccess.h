#pragma once

#include <QString>

#include <memory>

class WeeklySchedule;

// Reading and writing schedule files as the program's Open and Save do (Save makes a new file
// from the template database beside the executables when the file does not exist, then
// replaces the whole week in one transaction). On failure `error` says why, and nothing was
// changed. Rows a load leaves out are told on standard error.
bool loadScheduleFile(const QString &path, WeeklySchedule &week, QString &error);
// The file's week, or nothing after its error has been told on standard error.
std::unique_ptr<WeeklySchedule> loadScheduleOrSay(const QString &path);
bool saveScheduleFile(const QString &path, const WeeklySchedule &week, QString &error);
// The template's week, what a schedule file made by saving nothing would hold.
bool loadTemplate(WeeklySchedule &week, QString &error);
