#include "ScheduleFileAccess.h"

#include "CliOutput.h"
#include "document/CTavrinDoc.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A failed file command in one line, after the file's name as it was given.
QString failureLine(const QString &given, const FileOutcome &outcome)
{
    const QString path = QDir::toNativeSeparators(outcome.path);
    switch (outcome.stage) {
    case FileOutcome::Stage::Load:
        return QStringLiteral("%1: DB Loading Error !: %2").arg(given, outcome.cause());
    case FileOutcome::Stage::SaveTarget:
        return QStringLiteral("%1: The schedule could not be saved to \"%2\".: %3").arg(given, path, outcome.cause());
    case FileOutcome::Stage::SaveInto:
        return QStringLiteral("%1: The schedule could not be saved to \"%2\"; the file is unchanged.: %3")
            .arg(given, path, outcome.cause());
    case FileOutcome::Stage::SaveNew:
        return QStringLiteral("%1: The schedule could not be saved; \"%2\" was not created.: %3")
            .arg(given, path, outcome.cause());
    }
    return given;
}

} // namespace

bool loadScheduleFile(const QString &path, WeeklySchedule &week, QString &error)
{
    if (!QFileInfo::exists(path)) {
        error = QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    // Through the document, as the window's Open goes.
    CTavrinDoc doc;
    const FileOutcome outcome = doc.open(path);
    if (!outcome) {
        error = failureLine(path, outcome);
        return false;
    }
    week.copyFrom(doc.week());
    // Rows the load left out are told; the load stands.
    if (!outcome.leftOut.empty()) {
        sayError(QStringLiteral("%1 rows of \"%2\" cannot be shown and were left out:\n%3")
                     .arg(outcome.leftOut.total())
                     .arg(QDir::toNativeSeparators(outcome.path), outcome.leftOut.describe()));
    }
    return true;
}

namespace {
const QString kRemoveTriggersHint = QStringLiteral(" Give --remove-triggers to remove them and write.");
}

bool saveScheduleFile(const QString &path, const WeeklySchedule &week, QString &error, bool removeTriggers)
{
    // Through the document, as the window's Save goes; it holds a copy, so the caller's week
    // stays as it was.
    CTavrinDoc doc;
    doc.replaceWeek(week);
    const FileOutcome outcome = doc.save(path, {.removeTriggers = removeTriggers});
    if (outcome.error == StoreError::HasTriggers) {
        error = causeText(outcome, path) + kRemoveTriggersHint;
        return false;
    }
    if (!outcome) {
        error = failureLine(path, outcome);
        return false;
    }
    return true;
}

bool triggersAllowWriting(const QString &path, bool removeTriggers, QString &error)
{
    if (removeTriggers || !QFileInfo::exists(path))
        return true;
    StoreOutcome refused = StoreOutcome::failure(StoreError::HasTriggers);
    refused.schema = ScheduleStore::triggersAndViews(path);
    if (refused.schema.empty())
        return true;
    error = causeText(refused, path) + kRemoveTriggersHint;
    return false;
}

bool loadTemplate(WeeklySchedule &week, QString &error)
{
    CTavrinDoc doc;
    if (const FileOutcome outcome = doc.newSchedule(); !outcome) {
        error = failureLine(doc.templatePath(), outcome);
        return false;
    }
    week.copyFrom(doc.week());
    return true;
}

std::unique_ptr<WeeklySchedule> loadScheduleOrSay(const QString &path)
{
    auto week = std::make_unique<WeeklySchedule>();
    QString error;
    if (loadScheduleFile(path, *week, error))
        return week;
    sayError(error);
    return nullptr;
}

bool openDocumentOrSay(CTavrinDoc &doc, const QString &path)
{
    if (!QFileInfo::exists(path)) {
        sayError(QStringLiteral("%1: no such file").arg(path));
        return false;
    }
    const FileOutcome outcome = doc.open(path);
    if (!outcome)
        sayError(failureLine(path, outcome));
    return bool(outcome);
}

bool saveDocumentOrSay(CTavrinDoc &doc, const QString &path)
{
    const FileOutcome outcome = doc.save(path);
    if (outcome.error == StoreError::HasTriggers) {
        sayError(causeText(outcome, path));
        return false;
    }
    if (!outcome)
        sayError(failureLine(path, outcome));
    return bool(outcome);
}
