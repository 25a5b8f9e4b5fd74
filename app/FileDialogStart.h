#pragma once

#include <QString>
#include <QStringList>

// Where the Open and Save dialogs start: a folder and a proposed file name (either empty: the
// dialog's own choice, the current folder and no name).
struct FileDialogStart {
    QString directory;
    QString fileName;

    bool operator==(const FileDialogStart &) const = default;
};

// In the folder of the schedule file that is open, proposing its name; while the template is
// open (after New) in the folder of the file used last (recentFiles, most recent first),
// proposing nothing. A folder that is no longer there is not proposed.
FileDialogStart fileDialogStart(const QString &openPath, bool templateOpen, const QStringList &recentFiles);
