#pragma once

#include <QString>
#include <QStringList>

// The Open and Save file choices. The window shell shows file dialogs; a test queues paths.
class FileChooser {
public:
    static constexpr const char *kFilter = "Database file(*.mdb)";
    static constexpr const char *kDefaultSuffix = "mdb";

    virtual ~FileChooser() = default;

    // The files to open, in the dialog's order; empty when cancelled.
    virtual QStringList chooseFilesToOpen() = 0;
    // The file to save into; empty when cancelled.
    virtual QString chooseFileToSave() = 0;
};
