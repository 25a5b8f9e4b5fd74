#pragma once

#include "device/TransferOutcome.h"

#include <QString>

// The operator's words for an outcome, shared by the dialogs and tavrin-cli so both say the
// same; the sessions themselves never choose a text. Empty where the operator is told
// nothing (Cancel, a clock read or set, which show in the window itself).
QString transferOutcomeText(const TransferOutcome &outcome);

// The message box that tells it: a whole transfer done is news under the program's name, the
// rest plain under the application's title (empty caption).
struct OutcomeMessage {
    QString text;
    QString caption;
    bool information = false;
};
OutcomeMessage transferOutcomeMessage(const TransferOutcome &outcome);
