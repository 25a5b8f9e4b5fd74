#include "schedule/ScheduleFiles.h"

#include "schedule/Messages.h"
#include "schedule/TemplateDirectory.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString ScheduleFiles::kTemplateFileName = QStringLiteral("default.mdb");
const QString ScheduleFiles::kUntitled = QStringLiteral("Untitled");

ScheduleFiles::ScheduleFiles(WeeklySchedule &week, Messages &messages, const QString &templateDirectory)
    : m_week(week)
    , m_messages(messages)
    , m_store(messages)
    , m_templateDirectory(templateDirectory.isEmpty() ? defaultTemplateDirectory(executableDirectory()) : templateDirectory)
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

bool ScheduleFiles::openLocation(const DatabaseLocation &location, const QString &title)
{
    const DatabaseLocation before = m_store.registeredLocation();
    if (!m_store.RegisterDataSource(location.directory, location.fileName))
        return false;
    if (!m_store.LoadAllDays(m_week)) {
        m_store.restoreRegistration(before);
        return false;
    }
    m_location = location;
    m_title = title;
    showMonday();
    return true;
}

bool ScheduleFiles::New()
{
    return openLocation(DatabaseLocation::fromPath(templatePath()), kUntitled);
}

bool ScheduleFiles::Open(const QStringList &paths)
{
    bool opened = false;
    for (const QString &path : paths) {
        const DatabaseLocation location = DatabaseLocation::fromPath(path);
        if (openLocation(location, titleFor(location.fileName)))
            opened = true;
    }
    return opened;
}

bool ScheduleFiles::Save(const QString &path)
{
    const DatabaseLocation target = DatabaseLocation::fromPath(path);
    const QString targetPath = target.path();
    const QString shownPath = QDir::toNativeSeparators(targetPath);

    // A new file starts as a copy of the template; an existing one is written into.
    bool created = false;
    if (!QFileInfo::exists(targetPath)) {
        const QString source = templatePath();
        if (!QFileInfo(source).isFile()) {
            m_messages.show(QStringLiteral("Cannot save \"%1\": the template database \"%2\" is missing.")
                                .arg(shownPath, QDir::toNativeSeparators(source)),
                            QString(), Messages::Icon::Error);
            return false;
        }
        QFile copy(source);
        if (!copy.copy(targetPath)) {
            if (QFileInfo::exists(targetPath))
                QFile::remove(targetPath);
            m_messages.show(QStringLiteral("Cannot create \"%1\": %2").arg(shownPath, copy.errorString()), QString(),
                            Messages::Icon::Error);
            return false;
        }
        // The copy takes the template's permissions; a write-protected template must still
        // give a writable schedule file.
        QFile::setPermissions(targetPath, QFile::permissions(targetPath) | QFileDevice::WriteOwner);
        created = true;
    }

    const DatabaseLocation before = m_store.registeredLocation();
    bool saved = m_store.RegisterDataSource(target.directory, target.fileName);
    if (saved && !m_store.SaveAllDays(m_week)) {
        m_store.restoreRegistration(before);
        saved = false;
    }
    if (!saved) {
        if (created)
            QFile::remove(targetPath);
        return false;
    }

    m_location = target;
    m_title = target.fileName;
    showMonday();
    return true;
}
