#include "schedule/ScheduleFiles.h"

#include "schedule/DurableRename.h"
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

FileOutcome fileOutcome(const StoreOutcome &outcome, FileOutcome::Stage stage, const QString &path,
                        const QString &causePath)
{
    FileOutcome result;
    static_cast<StoreOutcome &>(result) = outcome;
    result.stage = stage;
    result.path = path;
    result.causePath = causePath;
    return result;
}

} // namespace

ScheduleFiles::ScheduleFiles(WeeklySchedule &week, const QString &templateDirectory)
    : m_week(week)
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

FileOutcome ScheduleFiles::openLocation(const DatabaseLocation &location, const QString &title, bool isTemplate)
{
    const DatabaseLocation before = m_store.registeredLocation();
    StoreOutcome outcome = m_store.RegisterDataSource(location.directory, location.fileName);
    if (outcome) {
        outcome = m_store.LoadAllDays(m_week);
        if (!outcome)
            m_store.restoreRegistration(before);
    }
    if (!outcome && isTemplate)
        outcome = asTemplate(outcome);
    if (outcome) {
        m_location = location;
        m_title = title;
        m_leftOut = outcome.leftOut;
        showMonday();
    }
    return fileOutcome(outcome, FileOutcome::Stage::Load, location.path(), location.path());
}

FileOutcome ScheduleFiles::New()
{
    return openLocation(DatabaseLocation::fromPath(templatePath()), kUntitled, true);
}

FileOutcome ScheduleFiles::Open(const QString &path)
{
    const DatabaseLocation location = DatabaseLocation::fromPath(path);
    return openLocation(location, titleFor(location.fileName), false);
}

// Into an existing schedule file: its previous content goes to NAME.bak, but only once the
// new week is committed; until then it waits under a temporary name, so a failed save leaves
// the old backup as it was.
FileOutcome ScheduleFiles::saveInto(const DatabaseLocation &target, bool removeTriggers)
{
    const QString path = target.path();
    StoreOutcome outcome = m_store.RegisterDataSource(target.directory, target.fileName);
    if (!outcome)
        return fileOutcome(outcome, FileOutcome::Stage::SaveTarget, path, path);
    const QString keeping = UnfinishedSaves::temporaryPathFor(path, UnfinishedSaves::Kind::Backup);
    outcome = m_store.BackUpTo(keeping);
    if (outcome)
        outcome = m_store.SaveAllDays(m_week, removeTriggers);
    // The week is in the file: a backup that cannot take its name leaves the older one.
    if (outcome && !durableRename(keeping, path + kBackupSuffix, true))
        NewScheduleFile::remove(keeping);
    if (!outcome)
        NewScheduleFile::remove(keeping);
    return fileOutcome(outcome, FileOutcome::Stage::SaveInto, path, path);
}

// A new file: made from the template under a temporary name, renamed once saved.
FileOutcome ScheduleFiles::saveAsNew(const DatabaseLocation &target)
{
    const QString path = target.path();
    const QString building = UnfinishedSaves::temporaryPathFor(path);
    StoreOutcome outcome = NewScheduleFile::copyTemplate(templatePath(), building);
    if (!outcome) {
        const bool aboutTemplate = outcome.error == StoreError::TemplateMissing
            || outcome.error == StoreError::TemplateDamaged || outcome.error == StoreError::Busy;
        return fileOutcome(outcome, FileOutcome::Stage::SaveNew, path, aboutTemplate ? templatePath() : path);
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
        return fileOutcome(outcome, FileOutcome::Stage::SaveNew, path, path);
    }
    m_store.restoreRegistration(target);
    return fileOutcome(outcome, FileOutcome::Stage::SaveNew, path, path);
}

FileOutcome ScheduleFiles::Save(const QString &path, SaveConsent consent)
{
    const DatabaseLocation target = DatabaseLocation::fromPath(path);
    const bool exists = QFileInfo::exists(target.path());
    // Asked before anything else, so that the answer does not come after other questions.
    if (!consent.removeTriggers && exists) {
        if (const StoreOutcome::Schema found = ScheduleStore::triggersAndViews(target.path()); !found.empty()) {
            StoreOutcome refused = StoreOutcome::failure(StoreError::HasTriggers);
            refused.schema = found;
            return fileOutcome(refused, FileOutcome::Stage::SaveTarget, target.path(), target.path());
        }
    }
    if (!consent.dropLeftOutRows && !m_leftOut.empty()) {
        StoreOutcome refused = StoreOutcome::failure(StoreError::RowsLeftOut);
        refused.leftOut = m_leftOut;
        return fileOutcome(refused, FileOutcome::Stage::SaveTarget, target.path(), target.path());
    }

    const DatabaseLocation before = m_store.registeredLocation();
    const FileOutcome outcome = exists ? saveInto(target, consent.removeTriggers) : saveAsNew(target);
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
