#include "schedule/DurableRename.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

void syncFolder(const QString &folder)
{
#ifndef _WIN32
    const QByteArray name = QFile::encodeName(folder);
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(folder);
#endif
}

StoreOutcome durableRename(const QString &from, const QString &to, bool replace)
{
    if (!replace && QFileInfo::exists(to))
        return StoreOutcome::failure(StoreError::Failed, QStringLiteral("a file of that name appeared meanwhile"));
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()), std::filesystem::path(to.toStdU16String()),
                            error);
    if (error)
        return StoreOutcome::failure(StoreError::Failed, QString::fromLocal8Bit(error.message().c_str()));
    syncFolder(QFileInfo(to).absolutePath());
    return {};
}
