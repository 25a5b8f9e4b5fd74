#include "ScheduleFileAccess.h"

#include "CliMessages.h"
#include "CliOutput.h"
#include "schedule/ScheduleFiles.h"
#include "schedule/WeeklySchedule.h"

#include <QFileInfo>

namespace {

// The message the file commands showed, with the cause when the store knows more.
QString failure(const CliMessages &messages, ScheduleFiles &files)
{
    QString text = messages.text().replace(QStringLiteral("\n\n"), QStringLiteral(": "));
    const QString cause = files.store().lastError();
    if (!cause.isEmpty() && !text.contains(cause))
        text += (text.isEmpty() ? QString() : QStringLiteral(": ")) + cause;
    return text.isEmpty() ? QStringLiteral("failed") : text;
}

} // namespace

bool loadScheduleFile(const QString &path, WeeklySchedule &week, QString &error)
{
    if (!QFileInfo::exists(path)) {
        error = QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    CliMessages messages;
    ScheduleFiles files(week, messages);
    if (!files.Open(path)) {
        error = path + QStringLiteral(": ") + failure(messages, files);
        return false;
    }
    // What the load had to say (rows it left out) goes to the operator; the load stands.
    for (const QString &line : messages.lines())
        sayError(line);
    return true;
}

namespace {
const QString kRemoveTriggersHint = QStringLiteral(" Give --remove-triggers to remove them and write.");
}

bool saveScheduleFile(const QString &path, const WeeklySchedule &week, QString &error, bool removeTriggers)
{
    // Save works on the week it was given and shows Monday afterwards; a copy keeps the
    // caller's week as it was.
    WeeklySchedule toSave;
    toSave.copyFrom(week);
    CliMessages messages;
    ScheduleFiles files(toSave, messages);
    const StoreOutcome outcome = files.Save(path, removeTriggers);
    if (outcome.error == StoreError::HasTriggers) {
        error = causeText(outcome, path) + kRemoveTriggersHint;
        return false;
    }
    if (!outcome) {
        error = path + QStringLiteral(": ") + failure(messages, files);
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
    CliMessages messages;
    ScheduleFiles files(week, messages);
    if (!files.New()) {
        error = files.templatePath() + QStringLiteral(": ") + failure(messages, files);
        return false;
    }
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
