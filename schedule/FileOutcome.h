#pragma once

#include "schedule/StoreOutcome.h"

#include <QString>

// What New, Open or Save did, as values the shell puts into words: the cause (the store's
// error, its detail, the triggers found, the rows a load left out), the stage that failed, and
// the files to name.
//
// A success may still have something to tell: the rows a load left out (leftOut). Two
// failures are questions, with nothing written: HasTriggers and RowsLeftOut, which the caller
// asks the operator and, on a yes, saves again with that SaveConsent.
struct FileOutcome : StoreOutcome {
    enum class Stage {
        Load, // New or Open: the file (for New, the template) was not loaded
        SaveTarget, // Save: the file there is no schedule file to save into; nothing written
        SaveInto, // Save into an existing schedule file: the file is as it was
        SaveNew, // Save as a new file: none was made
    };

    Stage stage = Stage::Load;
    QString path; // the file the command was about
    QString causePath; // the file the cause is about: path, or the template

    // The cause in a sentence naming causePath; empty after a success.
    QString cause() const { return causeText(*this, causePath); }
};

// What the operator agreed to when a Save asked.
struct SaveConsent {
    bool removeTriggers = false; // drop the file's triggers and views in the save's transaction
    bool dropLeftOutRows = false; // lose the rows the last load could not show
};
