#pragma once

#include <QString>

struct FileOutcome;

// The window's words for what New, Open or Save did: the failure for an error box, or after a
// load the rows it left out, for a warning. Empty when there is nothing to tell, and for the
// questions a Save puts (HasTriggers, RowsLeftOut), which the window asks itself.
QString fileOutcomeText(const FileOutcome &outcome);
