#pragma once

#include "schedule/StoreOutcome.h"

#include <QString>

// How a new schedule file comes to be: built under a temporary name in the folder it will
// live in, and given its name only when it is complete, so a crash never leaves a half-made
// file under the name the operator chose.
namespace NewScheduleFile {

// Makes a new file at path as a copy of the template database through SQLite (its pages,
// not its bytes: a template with a save cut short is rolled back first). A template that is
// missing, damaged or no schedule database fails as TemplateMissing or TemplateDamaged.
StoreOutcome copyTemplate(const QString &templatePath, const QString &path);

// Removes the file at path and the journal SQLite may have left beside it.
void remove(const QString &path);

// Gives the complete file at temporaryPath the name finalPath, durably; fails when something
// lies there already.
StoreOutcome moveIntoPlace(const QString &temporaryPath, const QString &finalPath);

} // namespace NewScheduleFile
