#include "schedule/ScheduleFiles.h"

#include "schedule/DurableRename.h"
#include "schedule/Messages.h"
#include "schedule/NewScheduleFile.h"
#include "schedule/TemplateDirectory.h"
#include "schedule/UnfinishedSaves.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

const QString ScheduleFiles::kTemplateFileName = QStringLiteral("default.mdb");
const QString ScheduleFiles::kUntitled = QStringLiteral("Untitled");
const QString ScheduleFiles::kBackupSuffix = QStringLiteral(".bak");

namespace {

const char *const kLoadingError = QT_TRANSLATE_NOOP("ScheduleFiles", "DB Loading Error !");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The template's own failures are told as the template's.
StoreOutcome asTemplate(StoreOutcome outcome)
{
    switch (outcome.error) {
    case StoreError::Missing:
        outcome.error = StoreError::TemplateMissing;
        break;
    case StoreError::Damaged:
    case StoreError::NotSchedule:
    case StoreError::NewerVersion:
    case StoreError::AccessDatabase:
    case StoreError::HasTriggers:
        outcome.error = StoreError::TemplateDamaged;
        break;
    default:
        break;
    }
    return outcome;
}

} // namespace

ScheduleFiles::ScheduleFiles(WeeklySchedule &week, Messages &messages, const QString &templateDirectory)
    : m_week(week)
    , m_messages(messages)
    , m_templateDirectory(templateDirectory.isEmpty() ? defaultTemplateDirectory(executableDirectory())
                                                      : templateDirectory)
    , m_title(kUntitled)
{
}

ScheduleFiles::~ScheduleFiles()
{
    m_store.RemoveDataSource(m_location.directory, m_location.fileName);
}

QString ScheduleFiles::executableDirectory()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString ScheduleFiles::titleFor(const QString &fileName)
{
    return fileName == kTemplateFileName ? kUntitled : fileName;
}

QString ScheduleFiles::templatePath() const
{
    return DatabaseLocation::fromPath(QDir(m_templateDirectory).filePath(kTemplateFileName)).path();
}

void ScheduleFiles::showMonday()
{
    m_week.setShownDay(kMonday);
    m_week.LoadWorkingDay();
}

StoreOutcome ScheduleFiles::failed(const StoreOutcome &outcome, const QString &text)
{
    // A refusal the operator may answer (triggers in the file) is the caller's to put.
    if (outcome.error != StoreError::Cancelled && outcome.error != StoreError::HasTriggers)
        m_messages.show(text, QString(), Messages::Icon::Error);
    return outcome;
}

StoreOutcome ScheduleFiles::openLocation(const DatabaseLocation &location, const QString &title, bool isTemplate)
{
    const DatabaseLocation before = m_store.registeredLocation();
    StoreOutcome outcome = m_store.RegisterDataSource(location.directory, location.fileName);
    if (outcome) {
        outcome = m_store.LoadAllDays(m_week);
        if (!outcome)
            m_store.restoreRegistration(before);
    }
    if (!outcome) {
        if (isTemplate)
            outcome = asTemplate(outcome);
        return failed(outcome,
                      QCoreApplication::translate("ScheduleFiles", kLoadingError) + QStringLiteral("\n\n")
                          + causeText(outcome, location.path()));
    }
    m_location = location;
    m_title = title;
    m_leftOut = outcome.leftOut;
    showMonday();
    if (!m_leftOut.empty()) {
        m_messages.show(
            QCoreApplication::translate("ScheduleFiles", "%1 rows of \"%2\" cannot be shown and were left out:\n%3")
                .arg(m_leftOut.total())
                .arg(shown(location.path()), m_leftOut.describe()),
            QString(), Messages::Icon::Warning);
    }
    return outcome;
}

StoreOutcome ScheduleFiles::New()
{
    return openLocation(DatabaseLocation::fromPath(templatePath()), kUntitled, true);
}

StoreOutcome ScheduleFiles::Open(const QStringList &paths)
{
    StoreOutcome result = StoreOutcome::failure(StoreError::Missing);
    bool opened = false;
    for (const QString &path : paths) {
        const DatabaseLocation location = DatabaseLocation::fromPath(path);
        StoreOutcome outcome = openLocation(location, titleFor(location.fileName), false);
        if (outcome || !opened)
            result = outcome;
        opened = opened || bool(outcome);
    }
    return result;
}

// Into an existing schedule file: its previous content goes to NAME.bak, but only once the
// new week is committed; until then it waits under a temporary name, so a failed save leaves
// the old backup as it was.
StoreOutcome ScheduleFiles::saveInto(const DatabaseLocation &target, bool removeTriggers)
{
    const QString path = target.path();
    const QString notSaved =
        QCoreApplication::translate("ScheduleFiles", "The schedule could not be saved to \"%1\".\n\n").arg(shown(path));
    StoreOutcome outcome = m_store.RegisterDataSource(target.directory, target.fileName);
    if (!outcome)
        return failed(outcome, notSaved + causeText(outcome, path));
    const QString keeping = UnfinishedSaves::temporaryPathFor(path, UnfinishedSaves::Kind::Backup);
    outcome = m_store.BackUpTo(keeping);
    if (outcome)
        outcome = m_store.SaveAllDays(m_week, removeTriggers);
    // The week is in the file: a backup that cannot take its name leaves the older one.
    if (outcome && !durableRename(keeping, path + kBackupSuffix, true))
        NewScheduleFile::remove(keeping);
    if (!outcome) {
        NewScheduleFile::remove(keeping);
        return failed(outcome,
                      QCoreApplication::translate(
                          "ScheduleFiles", "The schedule could not be saved to \"%1\"; the file is unchanged.\n\n%2")
                          .arg(shown(path), causeText(outcome, path)));
    }
    return outcome;
}

// A new file: made from the template under a temporary name, renamed once saved.
StoreOutcome ScheduleFiles::saveAsNew(const DatabaseLocation &target)
{
    const QString path = target.path();
    const QString notCreated =
        QCoreApplication::translate("ScheduleFiles", "The schedule could not be saved; \"%1\" was not created.\n\n")
            .arg(shown(path));
    const QString building = UnfinishedSaves::temporaryPathFor(path);
    StoreOutcome outcome = NewScheduleFile::copyTemplate(templatePath(), building);
    if (!outcome) {
        const bool aboutTemplate = outcome.error == StoreError::TemplateMissing
            || outcome.error == StoreError::TemplateDamaged || outcome.error == StoreError::Busy;
        return failed(outcome, notCreated + causeText(outcome, aboutTemplate ? templatePath() : path));
    }
    const DatabaseLocation buildingLocation = DatabaseLocation::fromPath(building);
    outcome = m_store.RegisterDataSource(buildingLocation.directory, buildingLocation.fileName);
    if (outcome)
        outcome = m_store.SaveAllDays(m_week);
    if (outcome.error == StoreError::HasTriggers) // they came with the template
        outcome = asTemplate(outcome);
    if (outcome)
        outcome = NewScheduleFile::moveIntoPlace(building, path);
    if (!outcome) {
        NewScheduleFile::remove(building);
        return failed(outcome, notCreated + causeText(outcome, path));
    }
    m_store.restoreRegistration(target);
    return outcome;
}

StoreOutcome ScheduleFiles::Save(const QString &path, bool removeTriggers)
{
    const DatabaseLocation target = DatabaseLocation::fromPath(path);
    // Asked before anything else, so that the answer does not come after other questions.
    if (!removeTriggers && QFileInfo::exists(target.path())) {
        if (const StoreOutcome::Schema found = ScheduleStore::triggersAndViews(target.path()); !found.empty()) {
            StoreOutcome refused = StoreOutcome::failure(StoreError::HasTriggers);
            refused.schema = found;
            return refused;
        }
    }
    if (!m_leftOut.empty()) {
        const QString text = QStringLiteral("%1 rows of the file loaded last could not be shown and will not be kept "
                                            "in \"%2\":\n%3\n\nSave anyway?")
                                 .arg(m_leftOut.total())
                                 .arg(shown(target.path()), m_leftOut.describe());
        if (m_messages.askOkCancel(text) != Messages::Answer::Ok)
            return StoreOutcome::failure(StoreError::Cancelled);
    }

    const DatabaseLocation before = m_store.registeredLocation();
    StoreOutcome outcome = QFileInfo::exists(target.path()) ? saveInto(target, removeTriggers) : saveAsNew(target);
    if (!outcome) {
        m_store.restoreRegistration(before);
        return outcome;
    }
    UnfinishedSaves::removeStale(target.path());
    m_leftOut = {};
    m_location = target;
    m_title = target.fileName;
    showMonday();
    return outcome;
}
