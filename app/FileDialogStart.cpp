#include "app/FileDialogStart.h"

#include <QFileInfo>

FileDialogStart fileDialogStart(const QString &openPath, bool templateOpen, const QStringList &recentFiles)
{
    FileDialogStart start;
    if (!templateOpen && !openPath.isEmpty()) {
        const QFileInfo file(openPath);
        start = {file.absolutePath(), file.fileName()};
    } else if (!recentFiles.isEmpty()) {
        start.directory = QFileInfo(recentFiles.first()).absolutePath();
    }
    if (!start.directory.isEmpty() && !QFileInfo(start.directory).isDir())
        return {};
    return start;
}
