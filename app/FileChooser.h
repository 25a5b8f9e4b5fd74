#pragma once

#include "app/FileDialogStart.h"

#include <QString>
#include <QStringList>

// The Open and Save file choices. The window shell shows file dialogs; a test queues paths.
class FileChooser {
public:
    static constexpr const char *kFilter = "Database file(*.mdb)";
    static constexpr const char *kDefaultSuffix = "mdb";

    virtual ~FileChooser() = default;

    // The files to open, in the dialog's order; empty when cancelled. The dialog starts as
    // start says (fileDialogStart).
    virtual QStringList chooseFilesToOpen(const FileDialogStart &start) = 0;
    // The file to save into; empty when cancelled. A proposed name is only proposed: the
    // operator still confirms or changes it.
    virtual QString chooseFileToSave(const FileDialogStart &start) = 0;
    // The PDF file Export PDF writes; empty when cancelled. A chooser that only queues paths
    // answers as for Save.
    virtual QString choosePdfToSave(const FileDialogStart &start) { return chooseFileToSave(start); }
    // The iCalendar file Import Holidays reads; empty when cancelled. A chooser that only
    // queues paths answers as for Open.
    virtual QString chooseCalendarToOpen(const FileDialogStart &start)
    {
        const QStringList files = chooseFilesToOpen(start);
        return files.isEmpty() ? QString() : files.front();
    }
};
