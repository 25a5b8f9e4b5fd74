#include "app/gui/FileOutcomeText.h"

#include "schedule/FileOutcome.h"

#include <QCoreApplication>
#include <QDir>

QString fileOutcomeText(const FileOutcome &outcome)
{
    const QString path = QDir::toNativeSeparators(outcome.path);
    if (outcome) {
        if (outcome.stage != FileOutcome::Stage::Load || outcome.leftOut.empty())
            return {};
        return QCoreApplication::translate("ScheduleFiles", "%1 rows of \"%2\" cannot be shown and were left out:\n%3")
            .arg(outcome.leftOut.total())
            .arg(path, outcome.leftOut.describe());
    }
    if (outcome.error == StoreError::HasTriggers || outcome.error == StoreError::RowsLeftOut)
        return {};
    switch (outcome.stage) {
    case FileOutcome::Stage::Load:
        return QCoreApplication::translate("ScheduleFiles", "DB Loading Error !\n\n%1").arg(outcome.cause());
    case FileOutcome::Stage::SaveTarget:
        return QCoreApplication::translate("ScheduleFiles", "The schedule could not be saved to \"%1\".\n\n%2")
            .arg(path, outcome.cause());
    case FileOutcome::Stage::SaveInto:
        return QCoreApplication::translate("ScheduleFiles",
                                           "The schedule could not be saved to \"%1\"; the file is unchanged.\n\n%2")
            .arg(path, outcome.cause());
    case FileOutcome::Stage::SaveNew:
        return QCoreApplication::translate("ScheduleFiles",
                                           "The schedule could not be saved; \"%1\" was not created.\n\n%2")
            .arg(path, outcome.cause());
    }
    return {};
}
