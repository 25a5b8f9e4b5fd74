#pragma once

#include "device/DayBoxState.h"
#include "device/TransferOutcome.h"

#include <QString>

// The operator's words for an outcome, shared by the dialogs and tavrin-cli so both say the
// same; the sessions themselves never choose a text. Empty where the operator is told
// nothing (Cancel, a clock read or set, which show in the window itself).
QString transferOutcomeText(const TransferOutcome &outcome);

// What the message box adds below that text, as its own paragraph: which weekdays an Upload
// did not take, which weekday the device refused and what that means. Empty when nothing.
QString transferOutcomeDetail(const TransferOutcome &outcome);

// The message box that tells it: a whole transfer done is news under the program's name; one
// done with weekdays left out warns; the rest is plain under the application's title (empty
// caption), a refusal under a caption of its own.
struct OutcomeMessage {
    enum class Icon { None, Information, Warning };
    QString text;
    QString caption;
    Icon icon = Icon::None;
};
OutcomeMessage transferOutcomeMessage(const TransferOutcome &outcome);

// What a screen reader calls a day box of Download or Upload: its caption, and once the day's
// turn is due, where it stands ("Monday, waiting", "Monday, sent", "Monday, received").
QString dayBoxName(const QString &caption, DayBoxState state, TransferExchange exchange);
